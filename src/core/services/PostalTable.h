#pragma once

#include "services/PostalIndex.h"

#include <QObject>
#include <QString>

#include <functional>
#include <future>
#include <optional>

// The program's postal-code table. Reading the national table takes tens of milliseconds, more
// than the rest of the start-up, so the windows load it on a worker thread and do not wait for
// it; whatever reads the table before the load has ended waits for it (Index()).
class PostalTable final : public QObject
{
    Q_OBJECT

public:
    // Told on this object's thread once a background load has ended: its failure message, or
    // nothing when the table loaded.
    using LoadDone = std::function<void(const std::optional<QString>& failure)>;

    PostalTable() = default;
    // Waits for a running load.
    ~PostalTable() override;
    PostalTable(const PostalTable&) = delete;
    PostalTable& operator=(const PostalTable&) = delete;

    // Replaces the table with the one at `path`, read on a worker thread. A path that holds no
    // regular file empties the table at once and returns the missing-file message, starting
    // nothing; any other failure reaches `done` when the load ends.
    [[nodiscard]] std::optional<QString> StartLoad(const QString& path, LoadDone done);
    // The same on this thread, returning when the table is loaded.
    [[nodiscard]] std::optional<QString> Load(const QString& path);
    // True while a background load has not ended.
    [[nodiscard]] bool Loading() const;
    // The table, once a running load has ended.
    [[nodiscard]] const PostalIndex& Index();

private:
    void Wait();

    PostalIndex m_index;
    std::future<void> m_load;
};
