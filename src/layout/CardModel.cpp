#include "layout/CardModel.h"

#include <algorithm>

namespace ferlo {

namespace {

bool isBlankOrControl(unsigned char c) {
    return c <= 32;
}

bool blankOrEmpty(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return isBlankOrControl(static_cast<unsigned char>(c)); });
}

} // namespace

std::string MakeLabelText(const std::string& fileName) {
    // Only ASCII bytes are looked at ('/', '.', digits, blanks and controls), and none of them
    // occurs inside a multi-byte UTF-8 character: the rule is the same on bytes as on text.
    std::string text = fileName.substr(fileName.rfind('/') + 1);
    const size_t period = text.rfind('.');
    if (period != std::string::npos)
        text.resize(period);
    while (!blankOrEmpty(text) && text.back() >= '0' && text.back() <= '9')
        text.pop_back();
    return text;
}

std::string LabelWord(const TCell& cell) {
    if (cell.FileName.empty())
        return std::string();
    return cell.EditedLabel ? *cell.EditedLabel : MakeLabelText(cell.FileName);
}

CardModel::CardModel() {
    m_card.PicturesPerPage = 4;
    m_card.Portrait = false;
    m_card.LabelsOn = true;
    m_card.ScreenScale = 1.0;
    layOut();
}

CardModel::CardModel(const DeckCard& stored)
    : CardModel() {
    m_card.PicturesPerPage = IsValidPicturesPerPage(stored.perPage) ? stored.perPage : 4;
    m_card.Portrait = stored.portrait;
    m_card.LabelsOn = stored.labels;
    m_upperCase = stored.upperCase;
    m_cutLines = stored.cutLines;
    layOut();
    for (size_t i = 0; i < m_cells.size() && i < stored.cells.size(); ++i) {
        const std::optional<DeckCell>& cell = stored.cells[i];
        if (cell && setPicture(int(i), cell->picture))
            m_cells[i].EditedLabel = cell->label;
    }
}

int CardModel::indexOf(const std::string& fileName) const {
    for (size_t i = 0; i < m_cells.size(); ++i) {
        if (m_cells[i].FileName == fileName)
            return int(i);
    }
    return -1;
}

std::string CardModel::labelWord(int index) const {
    if (index < 0 || index >= int(m_cells.size()))
        return std::string();
    return LabelWord(m_cells[size_t(index)]);
}

DeckCard CardModel::stored() const {
    DeckCard result;
    result.perPage = m_card.PicturesPerPage;
    result.portrait = m_card.Portrait;
    result.labels = m_card.LabelsOn;
    result.upperCase = m_upperCase;
    result.cutLines = m_cutLines;
    for (const TCell& cell : m_cells) {
        if (cell.FileName.empty())
            result.cells.emplace_back();
        else
            result.cells.emplace_back(DeckCell{cell.FileName, cell.EditedLabel});
    }
    while (!result.cells.empty() && !result.cells.back())
        result.cells.pop_back();
    return result;
}

int CardModel::place(const std::string& fileName) {
    if (fileName.empty() || indexOf(fileName) >= 0)
        return -1;
    for (size_t i = 0; i < m_cells.size(); ++i) {
        if (m_cells[i].FileName.empty()) {
            setPicture(int(i), fileName);
            return int(i);
        }
    }
    return -1;
}

bool CardModel::setPicture(int index, const std::string& fileName) {
    if (index < 0 || index >= int(m_cells.size()) || fileName.empty())
        return false;
    m_cells[size_t(index)].FileName = fileName;
    m_cells[size_t(index)].EditedLabel.reset();
    recount();
    return true;
}

bool CardModel::takeOff(int index) {
    if (index < 0 || index >= int(m_cells.size()))
        return false;
    TCell& cell = m_cells[size_t(index)];
    const bool heldPicture = !cell.FileName.empty();
    cell.FileName.clear();
    cell.EditedLabel.reset();
    recount();
    return heldPicture;
}

void CardModel::clear() {
    m_card.ResetCells(m_cells);
    recount();
}

bool CardModel::setCount(int count) {
    if (count == m_card.PicturesPerPage || !IsValidPicturesPerPage(count))
        return false;
    m_card.PicturesPerPage = count;
    m_card.ResetCells(m_cells);
    layOut();
    return true;
}

bool CardModel::setOrientation(bool portrait) {
    if (portrait == m_card.Portrait)
        return false;
    m_card.Portrait = portrait;
    layOut();
    return true;
}

void CardModel::setScreenScale(double scale) {
    m_card.ScreenScale = scale;
    layOut();
}

void CardModel::setLabels(bool on) {
    m_card.LabelsOn = on;
    layOut();
}

bool CardModel::editWord(int index, const std::string& word) {
    if (index < 0 || index >= int(m_cells.size()) || m_cells[size_t(index)].FileName.empty())
        return false;
    TCell& cell = m_cells[size_t(index)];
    if (word.empty())
        cell.EditedLabel.reset();
    else
        cell.EditedLabel = word;
    return true;
}

void CardModel::setShownSize(int index, int width, int height, double aspect) {
    if (index < 0 || index >= int(m_cells.size()))
        return;
    TCell& cell = m_cells[size_t(index)];
    cell.ImageWidth = width;
    cell.ImageHeight = height;
    cell.ImageAspect = aspect;
}

void CardModel::layOut() {
    m_card.SetCardSize(m_card.Portrait);
    m_card.LayoutCells(m_cells);
    recount();
}

void CardModel::recount() {
    m_card.PictureCount = int(std::count_if(
        m_cells.begin(), m_cells.end(), [](const TCell& cell) { return !cell.FileName.empty(); }));
}

} // namespace ferlo
