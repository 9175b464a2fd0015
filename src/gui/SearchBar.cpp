#include "SearchBar.h"

#include "find/FindTexts.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

SearchBar::SearchBar(QWidget* parent) : QToolBar(FindTexts::kSearchLabel.trimmed(), parent)
{
    setObjectName(QStringLiteral("SearchBar"));
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("SearchBox"));
    m_box->setClearButtonEnabled(true);
    m_box->setToolTip(FindTexts::kSearchToolTip);
    m_box->setMinimumWidth(m_box->fontMetrics().horizontalAdvance(QStringLiteral("０")) * 14);
    auto* label = new QLabel(FindTexts::kSearchLabel, this);
    label->setBuddy(m_box);
    addWidget(label);
    addWidget(m_box);
    auto* clear = new QAction(m_box);
    clear->setShortcut(Qt::Key_Escape);
    clear->setShortcutContext(Qt::WidgetShortcut);
    m_box->addAction(clear);
    connect(clear, &QAction::triggered, m_box, &QLineEdit::clear);
    connect(m_box, &QLineEdit::textChanged, this, &SearchBar::FilterChanged);
}

void SearchBar::Focus()
{
    m_box->setFocus(Qt::ShortcutFocusReason);
    m_box->selectAll();
}
