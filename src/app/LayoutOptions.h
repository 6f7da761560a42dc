#pragma once

// The command line's grids and sheets: --sheet, --grid, --card-size, --gap, --paper, --fill,
// --bleed, --outlines, and the listing --list-sheets.

#include "layout/CardLayout.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace ferlo {

// The layout options as given; finished into a CardLayout once all are read.
struct LayoutRequest {
    std::optional<QString> sheet;
    std::optional<GridSpec> grid; // columns and rows given
    std::optional<std::pair<double, double>> cardSize;
    std::optional<std::pair<double, double>> gap;
    std::optional<PaperSize> paper;
    bool landscape = false;
    bool fill = false;
    bool outlines = false;
    double bleed = 0;
    QStringList given; // the options' names, in order
};

extern const QStringList layoutValueOptions;
extern const QStringList layoutSwitchOptions;

// Takes one option of the list above into the request. Throws LayoutOptionError, the one line
// naming the option and what it allows, for a bad value.
struct LayoutOptionError {
    QString message;
};
void takeLayoutOption(const QString& name, const QString& value, LayoutRequest& request);
// Orientation of a grid's paper from --portrait and --landscape.
inline void setLayoutLandscape(LayoutRequest& request, bool landscape) {
    request.landscape = landscape;
}

// The layout the options make, or nothing when none of them names a grid or a sheet (the five
// counts). Throws LayoutOptionError for options that do not go together, a grid that does not
// fit its paper, or a sheet that is not installed.
struct ChosenLayout {
    CardLayout layout;
    int cards() const { return layout.cells(); }
};
std::optional<ChosenLayout> finishLayout(const LayoutRequest& request);

// The lines --list-sheets prints for a search text: brand, part number, description, label
// size and labels per sheet; a line saying so when none matches. Throws ferlo::Error when no
// sheets are installed.
QStringList sheetListing(const QString& text);

} // namespace ferlo
