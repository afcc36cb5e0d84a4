#include "WholeAndPieces.h"

#include <gtest/gtest.h>

std::string WholeAndPieces(const std::string& bytes,
                           const std::function<void(sim::PrinterState&)>& prepare,
                           sim::PrinterState* state) {
    sim::Printer whole;
    sim::Printer pieces;
    if (prepare) {
        whole.Edit(prepare);
        pieces.Edit(prepare);
    }
    const std::string replies = whole.Receive(bytes);
    std::string pieceReplies;
    for (const char byte : bytes) {
        pieceReplies += pieces.Receive(std::string(1, byte));
    }
    EXPECT_EQ(pieceReplies, replies) << testing::PrintToString(bytes);
    if (state != nullptr) {
        *state = whole.Snapshot();
    }
    return replies;
}
