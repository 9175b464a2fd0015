#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <optional>

class HelpBrowser;
class QHelpEngine;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
struct QHelpLink;

// The help window: the help file's contents, keyword index and full-text search beside the
// page they lead to. Every topic is also reachable by its context number, as the help
// buttons and menus ask for it.
class HelpWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Opens `helpFile` through a help collection kept in `collectionFolder` (it holds the
    // search index, so it must be writable); the message for the user when that fails.
    [[nodiscard]] std::optional<QString> Open(const QString& helpFile, const QString& collectionFolder);

    // The contents tab and the contents page; false when the help file has no contents page.
    [[nodiscard]] bool ShowContents();
    // The keyword tab, ready for typing.
    void ShowKeywordSearch();
    // The topic of a context number; false, with the page unchanged, when there is none.
    [[nodiscard]] bool ShowTopic(int context);

    [[nodiscard]] HelpBrowser& Browser() { return *m_browser; }
    [[nodiscard]] QTabWidget& Tabs() { return *m_tabs; }
    [[nodiscard]] QLineEdit& KeywordEdit() { return *m_keyword; }
    [[nodiscard]] QLineEdit& SearchEdit() { return *m_search; }
    [[nodiscard]] QListWidget& SearchResults() { return *m_results; }
    [[nodiscard]] QListWidget& KeywordList() { return *m_index; }
    [[nodiscard]] QLabel& SearchOutcome() { return *m_searchOutcome; }
    [[nodiscard]] QHelpEngine& Engine() { return *m_engine; }

private:
    enum class Collection
    {
        Ready,
        Damaged,         // the cached collection cannot be read or written
        HelpFileRefused, // a fresh collection does not take the help file
    };
    // Opens the collection in m_engine with the help file registered.
    [[nodiscard]] Collection OpenCollection(const QString& collection, const QString& file,
                                            const QString& helpNamespace);
    void BuildTabs();
    void ShowPage(const QUrl& url);
    void ShowDocuments(const QList<QHelpLink>& documents);
    void Search(const QString& words);
    void ShowKeywords();
    void ShowKeyword(const QString& keyword);

    struct HelpPage
    {
        QUrl url;
        QString title;
        QString text;
    };

    QHelpEngine* m_engine = nullptr;
    QTabWidget* m_tabs = nullptr;
    HelpBrowser* m_browser = nullptr;
    QLineEdit* m_keyword = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_results = nullptr;
    QLabel* m_searchOutcome = nullptr;
    QListWidget* m_index = nullptr;
    // The whole keyword index, in reading order.
    QStringList m_keywords;
    QString m_namespace;
    // The pages' texts, read at the first search.
    QList<HelpPage> m_pages;
};
