#include "HelpWindow.h"

#include "HelpBrowser.h"
#include "Interaction.h"
#include "app/HelpFile.h"
#include "app/ShellTexts.h"
#include "files/SafeFileMove.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

enum HelpTab : int
{
    kContentsTab = 0,
    kKeywordTab = 1,
    kSearchTab = 2,
};

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(kHelpWindowCaption);
    resize(920, 640);

    auto* splitter = new QSplitter(this);
    m_tabs = new QTabWidget(splitter);
    m_browser = new HelpBrowser(splitter);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 640});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);

    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? kHelpWindowCaption : kHelpWindowCaption + QStringLiteral(" - ") + title);
    });
}

// The engine's widgets live in the tabs but use the engine's models: they go first.
HelpWindow::~HelpWindow()
{
    delete m_tabs;
}

std::optional<QString> HelpWindow::Open(const QString& helpFile, const QString& collectionFolder)
{
    if (std::optional<QString> problem = HelpFileProblem(helpFile)) {
        return problem;
    }
    const QString file = QFileInfo(helpFile).canonicalFilePath();
    const QString helpNamespace = QHelpEngineCore::namespaceName(file);
    if (helpNamespace.isEmpty()) {
        return kHelpUnreadableText.arg(helpFile);
    }
    const QString collection = HelpCollectionPath(collectionFolder);
    if (std::optional<QString> problem = HelpCollectionProblem(collection)) {
        return problem;
    }
    if (!QDir().mkpath(collectionFolder)) {
        return kHelpCacheText.arg(collection);
    }
    Collection opened = OpenCollection(collection, file, helpNamespace);
    if (opened == Collection::Damaged) {
        // The collection is only a cache of the help file: a damaged one is made anew.
        delete m_engine;
        m_engine = nullptr;
        if (RemoveRegularFile(collection) != FileMoveResult::Done) {
            return kHelpCacheText.arg(collection);
        }
        opened = OpenCollection(collection, file, helpNamespace);
    }
    switch (opened) {
    case Collection::Ready:
        break;
    case Collection::Damaged:
        return kHelpCacheText.arg(collection);
    case Collection::HelpFileRefused:
        return kHelpUnreadableText.arg(helpFile);
    }
    m_namespace = helpNamespace;
    m_browser->SetEngine(m_engine);
    BuildTabs();
    return std::nullopt;
}

HelpWindow::Collection HelpWindow::OpenCollection(const QString& collection, const QString& file,
                                                  const QString& helpNamespace)
{
    const bool fresh = !QFileInfo::exists(collection);
    m_engine = new QHelpEngine(collection, this);
    // Qt's engine starts read-only, which would leave a new collection without its tables.
    m_engine->setReadOnly(false);
    m_engine->setUsesFilterEngine(true);
    if (!m_engine->setupData()) {
        return Collection::Damaged;
    }
    // The collection remembers where the help file was; a moved or rebuilt program
    // registers its own file again.
    if (m_engine->documentationFileName(helpNamespace) == file) {
        return Collection::Ready;
    }
    if (m_engine->registeredDocumentations().contains(helpNamespace) &&
        !m_engine->unregisterDocumentation(helpNamespace)) {
        return Collection::Damaged;
    }
    if (m_engine->registerDocumentation(file)) {
        return Collection::Ready;
    }
    // A fresh collection that cannot take the help file puts the fault on the file.
    return fresh ? Collection::HelpFileRefused : Collection::Damaged;
}

void HelpWindow::BuildTabs()
{
    QHelpContentWidget* contents = m_engine->contentWidget();
    contents->setObjectName(QStringLiteral("HelpContents"));
    contents->setHeaderHidden(true);
    m_tabs->insertTab(kContentsTab, contents, QStringLiteral("目次"));
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::ShowPage);
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, contents,
            [contents] { contents->expandToDepth(1); });

    auto* keywordPage = new QWidget(m_tabs);
    auto* keywordLayout = new QVBoxLayout(keywordPage);
    auto* keywordCaption = new QLabel(QStringLiteral("探すキーワードを入力して下さい(&K):"), keywordPage);
    keywordLayout->addWidget(keywordCaption);
    m_keyword = new QLineEdit(keywordPage);
    keywordCaption->setBuddy(m_keyword);
    m_keyword->setObjectName(QStringLiteral("HelpKeyword"));
    m_keyword->setClearButtonEnabled(true);
    keywordLayout->addWidget(m_keyword);
    m_index = new QListWidget(keywordPage);
    m_index->setObjectName(QStringLiteral("HelpIndex"));
    keywordLayout->addWidget(m_index);
    m_tabs->insertTab(kKeywordTab, keywordPage, QStringLiteral("キーワード"));
    // Qt's own index filter compares code by code, so "メモリダイヤル" typed by an input method
    // would not find "ﾒﾓﾘﾀﾞｲﾔﾙ"; the index is read once and filtered and ordered here instead.
    QHelpIndexModel* keywords = m_engine->indexModel();
    const auto readKeywords = [this, keywords] {
        m_keywords = SortedHelpKeywords(keywords->stringList());
        ShowKeywords();
    };
    connect(keywords, &QHelpIndexModel::indexCreated, this, readKeywords);
    if (!keywords->isCreatingIndex()) {
        readKeywords();
    }
    connect(m_keyword, &QLineEdit::textChanged, this, &HelpWindow::ShowKeywords);
    connect(m_keyword, &QLineEdit::returnPressed, this, [this] {
        if (const QListWidgetItem* item = m_index->currentItem()) {
            ShowKeyword(item->text());
        }
    });
    connect(m_index, &QListWidget::itemActivated, this,
            [this](const QListWidgetItem* item) { ShowKeyword(item->text()); });

    auto* searchPage = new QWidget(m_tabs);
    auto* searchLayout = new QVBoxLayout(searchPage);
    auto* searchCaption = new QLabel(QStringLiteral("本文から探す言葉を入力して下さい(&W):"), searchPage);
    searchLayout->addWidget(searchCaption);
    m_search = new QLineEdit(searchPage);
    m_search->setObjectName(QStringLiteral("HelpSearch"));
    m_search->setClearButtonEnabled(true);
    searchCaption->setBuddy(m_search);
    searchLayout->addWidget(m_search);
    m_results = new QListWidget(searchPage);
    m_results->setObjectName(QStringLiteral("HelpResults"));
    searchLayout->addWidget(m_results, 1);
    m_searchOutcome = new QLabel(searchPage);
    m_searchOutcome->setObjectName(QStringLiteral("HelpSearchOutcome"));
    m_searchOutcome->setWordWrap(true);
    searchLayout->addWidget(m_searchOutcome);
    m_tabs->insertTab(kSearchTab, searchPage, QStringLiteral("検索"));
    connect(m_search, &QLineEdit::returnPressed, this, [this] { Search(m_search->text()); });
    connect(m_results, &QListWidget::itemActivated, this,
            [this](const QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toUrl()); });
}

// Qt's own full-text index cuts text at blanks and punctuation only, so it cannot find a word
// inside a Japanese sentence; the help is small enough to read through at each search.
void HelpWindow::Search(const QString& words)
{
    if (m_pages.isEmpty()) {
        for (const QUrl& url : m_engine->files(m_namespace, QString(), QStringLiteral("html"))) {
            QTextDocument page;
            page.setHtml(QString::fromUtf8(m_engine->fileData(url)));
            m_pages.append({url, page.metaInformation(QTextDocument::DocumentTitle), page.toPlainText()});
        }
    }
    m_results->clear();
    for (const HelpPage& page : std::as_const(m_pages)) {
        if (HelpTextMatches(page.title + u'\n' + page.text, words)) {
            auto* item = new QListWidgetItem(page.title, m_results);
            item->setData(Qt::UserRole, page.url);
        }
    }
    if (m_results->count() > 0) {
        m_results->setCurrentRow(0);
    }
    m_searchOutcome->setText(m_results->count() > 0 ? QString() : kHelpNothingFoundText);
}

void HelpWindow::ShowKeywords()
{
    const QString typed = m_keyword->text();
    const QStringList shown = HelpKeywordsFor(m_keywords, typed);
    m_index->clear();
    m_index->addItems(shown);
    m_index->setCurrentRow(static_cast<int>(PreferredHelpKeyword(shown, typed)));
}

void HelpWindow::ShowKeyword(const QString& keyword)
{
    const QList<QHelpLink> documents = m_engine->documentsForKeyword(keyword);
    if (documents.size() == 1) {
        ShowPage(documents.first().url);
    } else if (documents.size() > 1) {
        ShowDocuments(documents);
    }
}

bool HelpWindow::ShowContents()
{
    m_tabs->setCurrentIndex(kContentsTab);
    return ShowTopic(kHelpContents);
}

void HelpWindow::ShowKeywordSearch()
{
    m_tabs->setCurrentIndex(kKeywordTab);
    if (m_browser->source().isEmpty()) {
        static_cast<void>(ShowTopic(kHelpContents));
    }
    m_keyword->setFocus();
    m_keyword->selectAll();
}

bool HelpWindow::ShowTopic(int context)
{
    const QList<QHelpLink> documents = m_engine->documentsForIdentifier(HelpTopicId(context));
    if (documents.isEmpty()) {
        return false;
    }
    ShowPage(documents.first().url);
    return true;
}

void HelpWindow::ShowPage(const QUrl& url)
{
    m_browser->setSource(url);
    QHelpContentWidget* contents = m_engine->contentWidget();
    const QModelIndex item = contents->indexOf(url);
    if (item.isValid()) {
        contents->setCurrentIndex(item);
    }
}

// A keyword of several topics: the user picks one from a menu under the pointer.
void HelpWindow::ShowDocuments(const QList<QHelpLink>& documents)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const QHelpLink& document : documents) {
        const QUrl url = document.url;
        menu->addAction(document.title, this, [this, url] { ShowPage(url); });
    }
    menu->popup(QCursor::pos());
}
