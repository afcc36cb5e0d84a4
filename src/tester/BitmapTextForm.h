#pragma once

#include "tester/BuilderForm.h"

class BitmapTextBuilder;

// "Bitmap Text Command": the form of a BitmapTextBuilder, laid out like the T command.
class BitmapTextForm : public BuilderForm {
    Q_OBJECT
public:
    BitmapTextForm(BitmapTextBuilder& builder, const ToolContext& context,
                   QWidget* parent = nullptr);

    void OpenFontFinder();
};
