#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A snapshot of the plain, non-hidden files of a folder, taken when the
// listing begins, so files written into the folder later never show up.
// Names are ordered by their upper-case form code unit by code unit, ties
// broken by the exact name, so the order is the same on every run.
class FolderListing {
public:
    struct Entry {
        QString name; // empty when the entry failed
        QString error; // why the entry cannot be used, empty when fine
    };

    // Every plain file of the folder. A folder that does not exist lists
    // nothing; one that cannot be read sets error().
    static FolderListing ofFolder(const QString& folder);
    // Just the file at path, or nothing when no such plain file exists.
    static FolderListing ofFile(const QString& path);
    // A listing over names given by a test.
    static FolderListing ofEntries(QList<Entry> entries);

    FolderListing() = default;

    // The next entry, or nothing once the listing is exhausted.
    std::optional<Entry> next();
    bool atEnd() const { return m_position >= m_entries.size(); }
    int size() const { return int(m_entries.size()); }
    const QString& error() const { return m_error; }

    static bool lessThan(const QString& a, const QString& b);

private:
    QList<Entry> m_entries;
    qsizetype m_position = 0;
    QString m_error;
};
