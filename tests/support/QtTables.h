// Qt Test tables declared in one line: the columns' types in order, then their names.
#pragma once

#include <QTest>

namespace quillmark::test {

// Columns<QString, int>("text", "caret") adds a QString column "text", then an int column "caret".
template <typename... Types, typename... Names>
void Columns(Names... names) {
    static_assert(sizeof...(Types) == sizeof...(Names), "one name for each column's type");
    (QTest::addColumn<Types>(names), ...);
}

}  // namespace quillmark::test
