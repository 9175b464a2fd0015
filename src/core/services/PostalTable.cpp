#include "services/PostalTable.h"

#include "files/SafeFileRead.h"

#include <QMetaObject>

#include <chrono>

PostalTable::~PostalTable()
{
    Wait();
}

std::optional<QString> PostalTable::StartLoad(const QString& path, LoadDone done)
{
    Wait();
    if (KindOfPath(path) != PathKind::Regular) {
        m_index.Clear();
        return kPostalMissingText;
    }
    // The worker alone touches the table until the future is ready; every reader waits for it.
    m_load = std::async(std::launch::async, [this, path, done = std::move(done)] {
        std::optional<QString> failure = LoadPostalIndex(m_index, path);
        // Queued on this object: dropped, not run, once the object is gone.
        QMetaObject::invokeMethod(
            this,
            [done, failure = std::move(failure)] {
                if (done) {
                    done(failure);
                }
            },
            Qt::QueuedConnection);
    });
    return std::nullopt;
}

std::optional<QString> PostalTable::Load(const QString& path)
{
    Wait();
    return LoadPostalIndex(m_index, path);
}

bool PostalTable::Loading() const
{
    return m_load.valid() && m_load.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

const PostalIndex& PostalTable::Index()
{
    Wait();
    return m_index;
}

void PostalTable::Wait()
{
    if (m_load.valid()) {
        m_load.get();
    }
}
