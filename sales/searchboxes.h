#pragma once

#include <functional>

#include <QMetaObject>

class FoxText;

// The two search boxes of a product or bundle list, a number and a name, never both filled: a
// change of one empties the other and searches; "全部" empties both and searches. busy is the
// window's SearchBusy (one flag for all its lists): while set, the boxes' changes do nothing.
class SearchBoxes
{
public:
    SearchBoxes(FoxText* number, FoxText* name, bool& busy, std::function<void()> search);
    ~SearchBoxes();
    SearchBoxes(const SearchBoxes&) = delete;
    SearchBoxes& operator=(const SearchBoxes&) = delete;

    // Trims both boxes, as every search does first.
    void trim();
    // Empties both boxes and searches.
    void clear();

private:
    void changed(FoxText* box, FoxText* other);

    FoxText* m_number;
    FoxText* m_name;
    bool& m_busy;
    std::function<void()> m_search;
    QMetaObject::Connection m_numberChange;
    QMetaObject::Connection m_nameChange;
};
