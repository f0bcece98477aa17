#include "window/qt/label_font.h"

#include <QStringList>

#include "window/form1_description.h"

namespace lumora {

QFont LabelFont() {
    QFont font;
    // The first face of the list that is installed; no need to list them all.
    font.setFamilies({kPreferredFace, kFallbackFace});
    font.setWeight(static_cast<QFont::Weight>(form1::kLabelFont.weight));
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace lumora
