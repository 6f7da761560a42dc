#include "symbols/SymbolFolders.h"

#include "symbols/SymbolIndex.h"
#include "symbols/SymbolText.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>

#include <algorithm>
#include <memory>
#include <vector>

namespace ferlo {

QString userSymbolWord(const QString& fileName) {
    QString word = QFileInfo(fileName).completeBaseName();
    static const QRegularExpression number(QStringLiteral("[\\s_-]*(\\(\\d+\\)|\\d+)$"));
    const QString without = QString(word).remove(number);
    if (!without.trimmed().isEmpty())
        word = without;
    return word.replace(QLatin1Char('_'), QLatin1Char(' ')).simplified();
}

namespace {

// The pictures of one folder and its subfolders, listed once and again when a folder of it
// changes. A folder can hold anything: only the names are read here, and the listing is bounded.
class UserFolder {
public:
    static constexpr int mostFiles = 20000;
    static constexpr int mostFolders = 2000;

    explicit UserFolder(const QString& root)
        : m_root(root) {}

    const std::vector<UserFile>& files() {
        if (!m_listed || changed())
            list();
        return m_files;
    }

private:
    // A folder changed within the clock's step of the listing may change again unseen under the
    // same time: it is listed again until its time lies well before the listing.
    bool changed() const {
        if (m_racy)
            return true;
        for (const auto& [dir, modified] : m_folders)
            if (QFileInfo(dir).lastModified() != modified)
                return true;
        return false;
    }
    void list() {
        m_files.clear();
        m_folders.clear();
        m_listed = true;
        const QDateTime listed = QDateTime::currentDateTimeUtc();
        m_folders.emplace_back(m_root, QFileInfo(m_root).lastModified());
        QDirIterator dirs(m_root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (dirs.hasNext() && m_folders.size() < size_t(mostFolders)) {
            const QString dir = dirs.next();
            m_folders.emplace_back(dir, QFileInfo(dir).lastModified());
        }
        m_racy = std::any_of(m_folders.begin(), m_folders.end(), [&](const auto& folder) {
            return folder.second.msecsTo(listed) < 2000;
        });
        static const QStringList patterns{QStringLiteral("*.svg"), QStringLiteral("*.png"),
                                          QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")};
        for (const auto& folder : m_folders) {
            QDir dir(folder.first);
            dir.setNameFilters(patterns);
            dir.setFilter(QDir::Files | QDir::Readable);
            dir.setSorting(QDir::Name);
            for (const QString& name : dir.entryList()) {
                if (m_files.size() >= size_t(mostFiles))
                    return;
                UserFile file;
                file.word = userSymbolWord(name);
                file.folded = foldForSearch(file.word);
                if (file.folded.isEmpty())
                    continue;
                const QStringList words = searchWords(file.folded);
                if (words.size() > 1)
                    file.words = words;
                file.path = dir.filePath(name);
                m_files.push_back(std::move(file));
            }
        }
    }

    QString m_root;
    bool m_listed = false;
    bool m_racy = false;
    std::vector<std::pair<QString, QDateTime>> m_folders;
    std::vector<UserFile> m_files;
};

QMutex userFoldersMutex;
std::vector<std::pair<QString, std::shared_ptr<UserFolder>>>& userFolderCache() {
    static std::vector<std::pair<QString, std::shared_ptr<UserFolder>>> cache;
    return cache;
}

} // namespace

void forEachUserFile(const QStringList& roots, const std::function<void(const UserFile&)>& visit) {
    const QMutexLocker lock(&userFoldersMutex);
    auto& cache = userFolderCache();
    for (const QString& root : roots) {
        auto cached = std::find_if(cache.begin(), cache.end(),
                                   [&](const auto& e) { return e.first == root; });
        if (cached == cache.end()) {
            cache.emplace_back(root, std::make_shared<UserFolder>(root));
            cached = cache.end() - 1;
        }
        for (const UserFile& file : cached->second->files())
            visit(file);
    }
}

} // namespace ferlo
