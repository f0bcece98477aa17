// How many captions the label shows whole, with no line cut off at the bottom,
// at its start-up size at 96 DPI in the face the window chose.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "catalogue/verse_catalogue.h"
#include "tests/viewer/scripted_random.h"
#include "window/qt/main_window.h"
#include "window/qt/verse_label.h"

namespace lumora::testing {
namespace {

TEST(CaptionFit, EveryCaptionFitsTheLabelWhole) {
    ScriptedRandom random;
    MainWindow window{random};
    ASSERT_TRUE(window.form().Start());
    ASSERT_EQ(window.logicalDpiY(), 96);
    QFont font = window.label()->font();
    const QRect label = window.label()->rect();
    int fitting = 0;
    for (int index = 1; index <= kCatalogueRows + 1; ++index) {  // the fallback last
        const CatalogueEntry& entry = LookupVerse(static_cast<std::int16_t>(index));
        font.setPointSizeF(entry.FontSize.value_or(18));
        fitting += QFontMetrics(font)
                       .boundingRect(label, Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop,
                                     QString::fromUtf8(entry.Caption))
                       .height() <= label.height();
    }
    std::printf("label %dx%d px, face %s: %d of 1101 captions fit\n", label.width(), label.height(),
                qPrintable(font.family()), fitting);
    EXPECT_EQ(fitting, 1101);
}

}  // namespace
}  // namespace lumora::testing
