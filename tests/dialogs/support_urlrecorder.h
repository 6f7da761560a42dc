#pragma once

// Catches what the program hands to the desktop shell: Qt's URL handlers for the schemes the
// program opens are replaced by a recorder for the recorder's lifetime.

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() {
        for (const QString& scheme : schemes())
            QDesktopServices::setUrlHandler(scheme, this, "handle");
    }
    ~UrlRecorder() override {
        for (const QString& scheme : schemes())
            QDesktopServices::unsetUrlHandler(scheme);
    }
    static QStringList schemes() {
        return {QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https"),
                QStringLiteral("mailto")};
    }
    QList<QUrl> urls;

public slots:
    void handle(const QUrl& url) { urls.append(url); }
};
