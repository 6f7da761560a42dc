#pragma once

#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

namespace ferlo {

// Takes the drags of one format over the widgets it watches (a picture of the card, a symbol of
// the Symbols tab): accepted over them with its action, and dropped, handed on with the widget,
// the point and the drag's data. Other drags (files from outside) go on to the widget's own
// handling.
class FormatDrops : public QObject {
public:
    using Drop = std::function<void(QObject* target, QPoint at, const QByteArray& data)>;
    FormatDrops(QObject* parent, QString format, Qt::DropAction action, Drop drop);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_format;
    Qt::DropAction m_action;
    Drop m_drop;
};

} // namespace ferlo
