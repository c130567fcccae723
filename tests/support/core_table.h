// The rows of a table as the data rows of a test: in its _data function `tableRows(Rows)` names
// each row after its `name`, and in the test `tableRow(Rows)` is the row being run.
#pragma once

#include <QTest>

namespace verimoda::test {

template <class Row, size_t N>
void tableRows(const Row (&rows)[N]) {
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < N; ++i)
        QTest::newRow(rows[i].name) << int(i);
}

template <class Row, size_t N>
const Row& tableRow(const Row (&rows)[N]) {
    return rows[*static_cast<int*>(QTest::qData("row", QMetaType::Int))];
}

} // namespace verimoda::test
