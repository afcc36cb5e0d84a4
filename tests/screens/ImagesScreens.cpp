#include <QComboBox>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>

#include "images/ImageViewer.h"
#include "images/PcxDownloader.h"
#include "screens/Screens.h"
#include "support/TestRig.h"

namespace {

// A small colour picture with soft shading, hard edges and lettering, as a label logo or a
// product photo would have.
QString SamplePicture(const QString& path) {
    QImage picture(420, 260, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 260);
    sky.setColorAt(0, QColor(120, 170, 230));
    sky.setColorAt(1, QColor(250, 240, 200));
    painter.fillRect(picture.rect(), sky);
    QRadialGradient ball(150, 110, 110, 110, 80);
    ball.setColorAt(0, QColor(255, 230, 120));
    ball.setColorAt(1, QColor(200, 60, 30));
    painter.setBrush(ball);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(150, 130), 100, 100);
    painter.setBrush(QColor(40, 90, 50));
    painter.drawRect(0, 215, 420, 45);
    painter.setPen(QColor(20, 20, 60));
    QFont font = painter.font();
    font.setPixelSize(40);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(250, 40, 170, 60), Qt::AlignCenter, QStringLiteral("Tagwell"));
    painter.end();
    picture.save(path, "PNG");
    return path;
}

// A fixed folder, so that the path the windows show is the same in every run's pictures.
const QDir& Folder() {
    static const QDir folder = [] {
        QDir dir(QDir::tempPath() + QStringLiteral("/tagwell-screens"));
        dir.removeRecursively();
        QDir().mkpath(dir.path());
        return dir;
    }();
    return folder;
}

TAGWELL_SCENE("images_viewer", [](TestRig& rig) {
    const QString path = SamplePicture(Folder().filePath(QStringLiteral("Sample Photo.png")));
    auto viewer = std::make_unique<ImageViewer>(rig.Context(), path);
    return viewer;
});

TAGWELL_SCENE("images_viewer_dithered", [](TestRig& rig) {
    const QString path = SamplePicture(Folder().filePath(QStringLiteral("Sample Photo.png")));
    auto viewer = std::make_unique<ImageViewer>(rig.Context(), path);
    viewer->findChild<QComboBox*>(QStringLiteral("ditherCombo"))->setCurrentIndex(1);
    return viewer;
});

TAGWELL_SCENE("images_viewer_empty", [](TestRig& rig) {
    return std::make_unique<ImageViewer>(rig.Context(), QStringLiteral("/home/user/README"));
});

TAGWELL_SCENE("images_downloader", [](TestRig& rig) {
    // The viewer is closed with error diffusion chosen.
    ToolContext context = rig.Context();
    context.run = [](QDialog& viewer) {
        viewer.findChild<QComboBox*>(QStringLiteral("ditherCombo"))->setCurrentIndex(1);
        viewer.accept();
        return QDialog::Accepted;
    };
    auto window = std::make_unique<PcxDownloader>(context);
    rig.files.answers.push_back(
        SamplePicture(Folder().filePath(QStringLiteral("Sample Photo.png"))));
    window->findChild<QPushButton*>(QStringLiteral("browseButton"))->click();
    return window;
});

TAGWELL_SCENE("images_downloader_empty",
              [](TestRig& rig) { return std::make_unique<PcxDownloader>(rig.Context()); });

}  // namespace
