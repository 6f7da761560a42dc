#include "layout/CardModel.h"

#include "layout/DecimalDigits.h"

#include <algorithm>

namespace ferlo {

std::string MakeLabelText(const std::string& fileName) {
    // The separator and the period are ASCII bytes, and no ASCII byte occurs inside a multi-byte
    // UTF-8 character; the digits are taken off as whole characters (TrailingDigitBytes).
    std::string text = fileName.substr(fileName.rfind('/') + 1);
    text.resize(std::min(text.size(), text.rfind('.')));
    const auto blank = [](unsigned char c) {
        return c <= 32;
    };
    while (!std::all_of(text.begin(), text.end(), blank)) {
        const std::size_t digit = TrailingDigitBytes(text);
        if (digit == 0)
            break;
        text.resize(text.size() - digit);
    }
    return text;
}

std::string LabelWord(const TCell& cell) {
    if (cell.Symbol || cell.WordCard)
        return cell.EditedLabel.value_or(std::string());
    if (cell.FileName.empty())
        return std::string();
    return cell.EditedLabel ? *cell.EditedLabel : MakeLabelText(cell.FileName);
}

CardModel::CardModel() {
    m_cells.assign(size_t(count()), TCell());
}

CardModel::CardModel(const DeckCard& stored) {
    const int cells = stored.layout.cells();
    if (stored.layout.kind == CardLayout::Kind::Count ? IsValidPicturesPerPage(cells)
                                                      : cells >= 1 && cells <= MaxLayoutCells)
        m_layout = stored.layout;
    m_cells.assign(size_t(count()), TCell());
    m_portrait = stored.portrait;
    m_labelsOn = stored.labels;
    m_upperCase = stored.upperCase;
    m_cutLines = stored.cutLines;
    m_smallPrint = stored.smallPrint;
    for (size_t i = 0; i < m_cells.size() && i < stored.cells.size(); ++i) {
        if (!stored.cells[i])
            continue;
        if (stored.cells[i]->word) {
            setWordCard(int(i), stored.cells[i]->label.value_or(std::string()));
            m_cells[i].Sound = stored.cells[i]->sound;
        } else if (stored.cells[i]->symbol) {
            setSymbol(int(i), *stored.cells[i]->symbol, std::string());
            m_cells[i].EditedLabel = stored.cells[i]->label;
            m_cells[i].Sound = stored.cells[i]->sound;
        } else if (setPicture(int(i), stored.cells[i]->picture)) {
            m_cells[i].EditedLabel = stored.cells[i]->label;
            m_cells[i].Sound = stored.cells[i]->sound;
        }
    }
}

DeckCard CardModel::stored() const {
    DeckCard result{portrait(), labelsOn(), m_upperCase, m_cutLines, {}, m_layout, m_smallPrint};
    for (const TCell& cell : m_cells) {
        if (!cell.filled())
            result.cells.emplace_back();
        else
            result.cells.emplace_back(
                DeckCell{cell.FileName, cell.EditedLabel, cell.Sound, cell.Symbol, cell.WordCard});
    }
    while (!result.cells.empty() && !result.cells.back())
        result.cells.pop_back();
    return result;
}

int CardModel::indexOf(const std::string& fileName) const {
    const auto it = std::find_if(m_cells.begin(), m_cells.end(), [&](const TCell& cell) {
        return fileName.empty() ? !cell.filled() : cell.FileName == fileName;
    });
    return it == m_cells.end() ? -1 : int(it - m_cells.begin());
}

std::string CardModel::labelWord(int index) const {
    return holds(index) ? LabelWord(m_cells[size_t(index)]) : std::string();
}

int CardModel::place(const std::string& fileName) {
    if (fileName.empty() || indexOf(fileName) >= 0)
        return -1;
    const int index = indexOf(std::string());
    return setPicture(index, fileName) ? index : -1;
}

int CardModel::placeSymbol(const SymbolRef& symbol, const std::string& word) {
    const int index = indexOf(std::string());
    return setSymbol(index, symbol, word) ? index : -1;
}

bool CardModel::setSymbol(int index, const SymbolRef& symbol, const std::string& word) {
    if (!holds(index) || symbol.hexcode.empty())
        return false;
    TCell& cell = m_cells[size_t(index)];
    cell.FileName.clear();
    cell.Symbol = symbol;
    cell.EditedLabel = word;
    cell.Sound.reset();
    cell.WordCard = false;
    return true;
}

bool CardModel::setWordCard(int index, const std::string& word) {
    if (!holds(index))
        return false;
    TCell& cell = m_cells[size_t(index)];
    cell.FileName.clear();
    cell.Symbol.reset();
    cell.EditedLabel = word;
    cell.Sound.reset();
    cell.WordCard = true;
    return true;
}

bool CardModel::setPicture(int index, const std::string& fileName) {
    if (!holds(index) || fileName.empty())
        return false;
    m_cells[size_t(index)].FileName = fileName;
    m_cells[size_t(index)].WordCard = false;
    m_cells[size_t(index)].Symbol.reset();
    m_cells[size_t(index)].EditedLabel.reset();
    m_cells[size_t(index)].Sound.reset();
    return true;
}

bool CardModel::takeOff(int index) {
    if (!holds(index) || !m_cells[size_t(index)].filled())
        return false;
    m_cells[size_t(index)].FileName.clear();
    m_cells[size_t(index)].WordCard = false;
    m_cells[size_t(index)].Symbol.reset();
    m_cells[size_t(index)].EditedLabel.reset();
    m_cells[size_t(index)].Sound.reset();
    return true;
}

void CardModel::clear() {
    for (int i = 0; i < int(m_cells.size()); ++i)
        takeOff(i);
}

bool CardModel::setCount(int count) {
    const bool counted = m_layout.kind == CardLayout::Kind::Count;
    if ((counted && count == this->count()) || !IsValidPicturesPerPage(count))
        return false;
    m_layout = CardLayout::counted(count);
    m_cells.assign(size_t(count), TCell());
    return true;
}

bool CardModel::setLayout(const CardLayout& layout) {
    const int cells = layout.cells();
    if (layout.kind == CardLayout::Kind::Count || cells < 1 || cells > MaxLayoutCells)
        return false;
    CardLayout arrangement = layout;
    arrangement.Fill = m_layout.Fill, arrangement.Bleed = m_layout.Bleed;
    arrangement.Outlines = m_layout.Outlines;
    const bool same = arrangement == m_layout;
    if (same && layout == m_layout)
        return false;
    if (!same)
        m_cells.assign(size_t(cells), TCell());
    m_layout = layout;
    return true;
}

bool CardModel::setOrientation(bool portrait) {
    if (portrait == m_portrait)
        return false;
    m_portrait = portrait;
    return true;
}

namespace {
// What a filled cell keeps beside its picture; an empty text removes it.
void setText(std::optional<std::string>& slot, const std::string& text) {
    if (text.empty())
        slot.reset();
    else
        slot = text;
}
} // namespace

bool CardModel::editWord(int index, const std::string& word) {
    if (!holds(index) || !m_cells[size_t(index)].filled())
        return false;
    if (m_cells[size_t(index)].WordCard)
        m_cells[size_t(index)].EditedLabel = word; // a word card's word, even a blank one
    else
        setText(m_cells[size_t(index)].EditedLabel, word);
    return true;
}

bool CardModel::setSound(int index, const std::string& sound) {
    if (!holds(index) || !m_cells[size_t(index)].filled())
        return false;
    setText(m_cells[size_t(index)].Sound, sound);
    return true;
}

TCard ScreenLayout(const CardModel& card, double screenScale) {
    TCard layout;
    layout.PicturesPerPage = card.count();
    layout.LabelsOn = card.labelsOn();
    layout.ScreenScale = screenScale;
    layout.SetCardSize(card.portrait());
    layout.LayoutCells();
    return layout;
}

int CardModel::pictureCount() const {
    return int(std::count_if(m_cells.begin(), m_cells.end(),
                             [](const TCell& cell) { return cell.filled(); }));
}

} // namespace ferlo
