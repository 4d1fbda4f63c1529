#include "platform/gridtexts.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <type_traits>

#include <QString>
#include <QStringDecoder>

GridTexts::GridTexts(int rows, int cols) : m_cols(cols), m_cells(size_t(rows) * size_t(cols)) {}

QStringView GridTexts::text(int row, int col) const
{
    const Slice& s = slice(row, col);
    return QStringView(m_chars.data() + s.offset, qsizetype(s.length));
}

void GridTexts::setText(int row, int col, QAnyStringView text)
{
    // The buffer may move while it grows: a text of its own is copied first.
    if (holds(text)) {
        setText(row, col, text.toString());
        return;
    }
    makeRoom(size_t(text.size()));
    const Slice stored = append(text);
    release(slice(row, col));
    slice(row, col) = stored;
    compactIfWasteful();
}

void GridTexts::appendRow(std::span<const QAnyStringView> texts, int firstCol)
{
    const size_t count = std::min(texts.size(), size_t(std::max(0, m_cols - firstCol)));
    if (std::any_of(texts.begin(), texts.begin() + qsizetype(count),
                    [this](QAnyStringView t) { return holds(t); })) {
        std::vector<QString> copies;
        for (size_t i = 0; i < count; ++i)
            copies.push_back(texts[i].toString());
        appendRow(std::vector<QAnyStringView>(copies.cbegin(), copies.cend()), firstCol);
        return;
    }
    size_t length = 0;
    for (size_t i = 0; i < count; ++i)
        length += size_t(texts[i].size());
    makeRoom(length);
    const int row = rows();
    m_cells.resize(m_cells.size() + size_t(m_cols));
    for (size_t i = 0; i < count; ++i)
        slice(row, firstCol + int(i)) = append(texts[i]);
}

void GridTexts::removeRow(int row)
{
    const auto first = m_cells.begin() + qsizetype(row) * m_cols;
    std::for_each(first, first + m_cols, [this](const Slice& s) { release(s); });
    m_cells.erase(first, first + m_cols);
    compactIfWasteful();
}

void GridTexts::resize(int rows, int cols)
{
    std::vector<Slice> cells(size_t(rows) * size_t(cols));
    for (int r = 0; r < this->rows(); ++r) {
        for (int c = 0; c < m_cols; ++c) {
            if (r < rows && c < cols)
                cells[size_t(r) * size_t(cols) + size_t(c)] = slice(r, c);
            else
                release(slice(r, c));
        }
    }
    m_cells = std::move(cells);
    m_cols = cols;
    compactIfWasteful();
}

void GridTexts::reorder(const std::vector<int>& order)
{
    std::vector<Slice> cells;
    cells.reserve(m_cells.size());
    for (const int row : order) {
        const auto first = m_cells.cbegin() + qsizetype(row) * m_cols;
        cells.insert(cells.end(), first, first + m_cols);
    }
    m_cells = std::move(cells);
}

bool GridTexts::holds(QAnyStringView text) const
{
    if (text.isEmpty() || m_chars.empty())
        return false;
    return text.visit([this](auto view) {
        if constexpr (std::is_same_v<decltype(view), QStringView>)
            return view.utf16() >= m_chars.data() && view.utf16() < m_chars.data() + m_chars.size();
        return false;
    });
}

void GridTexts::makeRoom(size_t length)
{
    const auto fits = [&] { return m_chars.size() + length <= std::numeric_limits<quint32>::max(); };
    if (!fits())
        compact();
    if (!fits())
        throw std::length_error("grid texts longer than 4G characters");
}

GridTexts::Slice GridTexts::append(QAnyStringView text)
{
    const size_t at = m_chars.size();
    text.visit([this, at](auto view) {
        using View = decltype(view);
        if constexpr (std::is_same_v<View, QStringView>) {
            m_chars.insert(m_chars.end(), view.utf16(), view.utf16() + view.size());
        } else if constexpr (std::is_same_v<View, QLatin1String>) {
            for (const char c : view)
                m_chars.push_back(char16_t(uchar(c)));
        } else {
            // UTF-8 decoded in place: never more UTF-16 units than bytes.
            m_chars.resize(at + size_t(view.size()));
            QStringDecoder toUtf16(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QChar* end = toUtf16.appendToBuffer(reinterpret_cast<QChar*>(m_chars.data() + at),
                                                      QByteArrayView(view.data(), view.size()));
            m_chars.resize(size_t(reinterpret_cast<const char16_t*>(end) - m_chars.data()));
        }
    });
    return {quint32(at), quint32(m_chars.size() - at)};
}

void GridTexts::compactIfWasteful()
{
    if (m_unused > 4096 && m_unused > m_chars.size() / 2)
        compact();
}

void GridTexts::compact()
{
    std::vector<char16_t> chars;
    chars.reserve(m_chars.size() - m_unused);
    for (Slice& s : m_cells) {
        const auto from = m_chars.cbegin() + qsizetype(s.offset);
        s.offset = quint32(chars.size());
        chars.insert(chars.end(), from, from + qsizetype(s.length));
    }
    m_chars = std::move(chars);
    m_unused = 0;
}
