#pragma once

#include <QMetaType>
#include <QString>
#include <QTest>

#include "number.h"

Q_DECLARE_METATYPE(conteggo::Number)

namespace conteggo {

// Kind and value, so that a failed comparison shows both: "Int16 300", "Double 0.5", "Empty".
inline QString describe(const Number& n) {
    static const char* const kinds[] = {"Empty", "Int16", "Int32", "Double"};
    const QString kind = QString::fromLatin1(kinds[static_cast<int>(n.kind())]);
    return n.isEmpty() ? kind : kind + u' ' + QString::number(n.toDouble(), 'g', 17);
}

inline char* toString(const Number& n) {
    return QTest::toString(describe(n));
}

}  // namespace conteggo
