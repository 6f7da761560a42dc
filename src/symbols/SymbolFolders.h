#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace ferlo {

// A picture of one of the user's symbol folders, with the word its name gives, folded for search.
struct UserFile {
    QString word;
    QString folded;
    QStringList words; // of folded, when more than one
    QString path;
};

// Every picture of the user's symbol folders (each with its subfolders), folder by folder. A
// folder is listed once and again when a folder of it changes; a folder can hold anything: only
// the names are read, and the listing is bounded.
void forEachUserFile(const QStringList& roots, const std::function<void(const UserFile&)>& visit);

} // namespace ferlo
