#pragma once

#include <QFont>
#include <QString>

namespace lumora {

// The label's bold face: "Microsoft Sans Serif" where installed, otherwise
// Liberation Sans, whose metrics match Arial's.
QFont LabelFont();

// The faces tried, best first.
inline const QString kPreferredFace = QStringLiteral("Microsoft Sans Serif");
inline const QString kFallbackFace = QStringLiteral("Liberation Sans");

}  // namespace lumora
