#pragma once

#include <span>
#include <vector>

#include <QAnyStringView>
#include <QStringView>

// The cell texts of a grid, rows x cols, all in one character buffer: filling many rows allocates
// nothing per row or cell, and emptying the grid frees one block. A replaced or dropped text leaves
// its characters unused until they are most of the buffer, which is then compacted.
//
// Texts come as UTF-16, Latin-1 or UTF-8 (decoded straight into the buffer), and may be views of
// this store's own texts. Row and column numbers are not checked: the caller keeps them in range.
// A change that throws (more than 4G characters) changes nothing.
class GridTexts
{
public:
    GridTexts(int rows, int cols);

    int rows() const { return m_cols == 0 ? 0 : int(m_cells.size() / size_t(m_cols)); }
    int cols() const { return m_cols; }
    // Valid until the store changes.
    QStringView text(int row, int col) const;
    void setText(int row, int col, QAnyStringView text);

    // Appends a row; its columns from firstCol on take the texts, surplus texts are dropped.
    void appendRow(std::span<const QAnyStringView> texts, int firstCol);
    void removeRow(int row);
    // New rows and columns are empty; dropped ones give their characters up.
    void resize(int rows, int cols);
    // Row i becomes the row that was order[i] (order holds every row once).
    void reorder(const std::vector<int>& order);

private:
    struct Slice
    {
        quint32 offset = 0;
        quint32 length = 0;
    };

    Slice& slice(int row, int col) { return m_cells[size_t(row) * size_t(m_cols) + size_t(col)]; }
    const Slice& slice(int row, int col) const { return m_cells[size_t(row) * size_t(m_cols) + size_t(col)]; }
    bool holds(QAnyStringView text) const;
    // Makes sure length more characters can be kept (compacting, or throwing std::length_error
    // beyond 4G characters); nothing changes when it throws.
    void makeRoom(size_t length);
    Slice append(QAnyStringView text);
    void release(const Slice& s) { m_unused += s.length; }
    void compactIfWasteful();
    void compact();

    int m_cols;
    std::vector<Slice> m_cells;
    std::vector<char16_t> m_chars;
    size_t m_unused = 0; // characters of m_chars that no cell shows
};
