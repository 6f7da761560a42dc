#include "storage/DeckLayout.h"

#include <QCoreApplication>
#include <QJsonValue>

#include <cmath>

namespace ferlo {

namespace {

QString describeValue(const QJsonValue& value) {
    if (value.isString())
        return QStringLiteral("\"%1\"").arg(value.toString().left(40));
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 17);
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return value.isUndefined() ? QCoreApplication::translate("DeckFile", "nothing")
           : value.isNull()    ? QStringLiteral("null")
                               : QCoreApplication::translate("DeckFile", "an object or array");
}

struct Reader {
    const QJsonObject& object;
    QString place;

    [[noreturn]] void fail(const QString& key, const QString& what) const {
        throw LayoutFault{place + QLatin1Char('.') + key,
                          QCoreApplication::translate("DeckFile", "expected %1, not %2")
                              .arg(what, describeValue(object.value(key)))};
    }
    double number(const QString& key, double low, double high, double fallback) const {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return fallback;
        const double n = value.toDouble(std::nan(""));
        if (!value.isDouble() || !std::isfinite(n) || n < low || n > high)
            fail(key, QCoreApplication::translate("DeckFile", "a number from %1 to %2")
                          .arg(low)
                          .arg(high));
        return n;
    }
    int whole(const QString& key, int low, int high) const {
        const QJsonValue value = object.value(key);
        const double n = value.toDouble(std::nan(""));
        if (!value.isDouble() || n != std::floor(n) || n < low || n > high)
            fail(key, QCoreApplication::translate("DeckFile", "a whole number from %1 to %2")
                          .arg(low)
                          .arg(high));
        return int(n);
    }
    bool flag(const QString& key) const {
        const QJsonValue value = object.value(key);
        if (!value.isUndefined() && !value.isBool())
            fail(key, QCoreApplication::translate("DeckFile", "true or false"));
        return value.toBool(false);
    }
    QString text(const QString& key, bool required) const {
        const QJsonValue value = object.value(key);
        if ((required || !value.isUndefined()) &&
            (!value.isString() || value.toString().size() > 200 ||
             (required && value.toString().trimmed().isEmpty())))
            fail(key, QCoreApplication::translate("DeckFile", "a name of at most 200 characters"));
        return value.toString();
    }
};

} // namespace

QJsonObject layoutObject(const CardLayout& layout) {
    QJsonObject object;
    if (layout.kind == CardLayout::Kind::Sheet) {
        object.insert(QLatin1String("kind"), QStringLiteral("sheet"));
        object.insert(QLatin1String("name"), QString::fromStdString(layout.Name));
    } else {
        const GridSpec& grid = layout.Grid;
        object.insert(QLatin1String("kind"), QStringLiteral("grid"));
        if (!layout.Name.empty())
            object.insert(QLatin1String("name"), QString::fromStdString(layout.Name));
        object.insert(QLatin1String("columns"), grid.Columns);
        object.insert(QLatin1String("rows"), grid.Rows);
        QJsonObject paper;
        if (!grid.Paper.Name.empty())
            paper.insert(QLatin1String("name"), QString::fromStdString(grid.Paper.Name));
        paper.insert(QLatin1String("width"), grid.Paper.Width);
        paper.insert(QLatin1String("height"), grid.Paper.Height);
        object.insert(QLatin1String("paper"), paper);
        object.insert(QLatin1String("landscape"), grid.Landscape);
        // A card size given in part is kept as given: planning the grid says what is missing.
        if (grid.CardWidth > 0 || grid.CardHeight > 0) {
            object.insert(QLatin1String("cardWidth"), grid.CardWidth);
            object.insert(QLatin1String("cardHeight"), grid.CardHeight);
            object.insert(QLatin1String("gapAcross"), grid.GapX);
            object.insert(QLatin1String("gapDown"), grid.GapY);
        } else {
            object.insert(QLatin1String("margin"), grid.Margin);
        }
    }
    object.insert(QLatin1String("fill"), layout.Fill);
    object.insert(QLatin1String("bleed"), layout.Bleed);
    object.insert(QLatin1String("outlines"), layout.Outlines);
    return object;
}

CardLayout readLayoutObject(const QJsonObject& object, const QString& place) {
    const Reader read{object, place};
    CardLayout layout;
    const QString kind = object.value(QLatin1String("kind")).toString();
    if (kind == QLatin1String("sheet")) {
        layout.kind = CardLayout::Kind::Sheet;
        layout.Name = read.text(QStringLiteral("name"), true).toStdString();
    } else if (kind == QLatin1String("grid")) {
        layout.kind = CardLayout::Kind::Grid;
        layout.Name = read.text(QStringLiteral("name"), false).toStdString();
        GridSpec& grid = layout.Grid;
        grid.Columns = read.whole(QStringLiteral("columns"), 1, MaxGridSide);
        grid.Rows = read.whole(QStringLiteral("rows"), 1, MaxGridSide);
        const QJsonValue paperValue = object.value(QLatin1String("paper"));
        if (!paperValue.isObject())
            read.fail(QStringLiteral("paper"),
                      QCoreApplication::translate("DeckFile", "an object"));
        const QJsonObject paperObject = paperValue.toObject();
        const Reader paper{paperObject, place + QLatin1String(".paper")};
        grid.Paper.Name = paper.text(QStringLiteral("name"), false).toStdString();
        grid.Paper.Width = paper.number(QStringLiteral("width"), 1, 1000, std::nan(""));
        grid.Paper.Height = paper.number(QStringLiteral("height"), 1, 1000, std::nan(""));
        if (std::isnan(grid.Paper.Width) || std::isnan(grid.Paper.Height))
            paper.fail(QString::fromLatin1(std::isnan(grid.Paper.Width) ? "width" : "height"),
                       QCoreApplication::translate("DeckFile", "a number from 1 to 1000"));
        grid.Landscape = read.flag(QStringLiteral("landscape"));
        grid.CardWidth = read.number(QStringLiteral("cardWidth"), 0, 1000, 0);
        grid.CardHeight = read.number(QStringLiteral("cardHeight"), 0, 1000, 0);
        grid.GapX = read.number(QStringLiteral("gapAcross"), 0, 1000, 0);
        grid.GapY = read.number(QStringLiteral("gapDown"), 0, 1000, 0);
        grid.Margin = read.number(QStringLiteral("margin"), 0, 500, 0);
        // A grid has either a card size with its gaps or a margin that the page is divided
        // inside: what the other way would use is left out, as it is when the deck is saved.
        if (grid.CardWidth > 0 || grid.CardHeight > 0)
            grid.Margin = 0;
        else
            grid.GapX = grid.GapY = 0;
    } else {
        read.fail(QStringLiteral("kind"), QStringLiteral("\"grid\" or \"sheet\""));
    }
    layout.Fill = read.flag(QStringLiteral("fill"));
    layout.Bleed = read.number(QStringLiteral("bleed"), 0, MaxBleedMm, 0);
    layout.Outlines = read.flag(QStringLiteral("outlines"));
    return layout;
}

int layoutCells(const CardLayout& layout) {
    return layout.kind == CardLayout::Kind::Grid ? layout.Grid.Columns * layout.Grid.Rows : 0;
}

} // namespace ferlo
