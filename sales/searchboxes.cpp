#include "sales/searchboxes.h"

#include "controls/foxtext.h"
#include "core/dblayer.h"

SearchBoxes::SearchBoxes(FoxText* number, FoxText* name, bool& busy, std::function<void()> search)
    : m_number(number), m_name(name), m_busy(busy), m_search(std::move(search))
{
    m_numberChange =
        QObject::connect(number, &FoxText::Change, number, [this] { changed(m_number, m_name); });
    m_nameChange = QObject::connect(name, &FoxText::Change, name, [this] { changed(m_name, m_number); });
}

SearchBoxes::~SearchBoxes()
{
    // The boxes may outlive this object while their window is being destroyed.
    QObject::disconnect(m_numberChange);
    QObject::disconnect(m_nameChange);
}

void SearchBoxes::trim()
{
    m_busy = true;
    m_number->setText(TrimText(m_number->Text()));
    m_name->setText(TrimText(m_name->Text()));
    m_busy = false;
}

void SearchBoxes::clear()
{
    m_busy = true;
    m_number->setText(QString());
    m_name->setText(QString());
    m_busy = false;
    m_search();
}

void SearchBoxes::changed(FoxText* box, FoxText* other)
{
    if (m_busy)
        return;
    m_busy = true;
    if (!box->Text().isEmpty())
        other->setText(QString());
    m_busy = false;
    m_search();
}
