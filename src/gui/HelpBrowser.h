#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

// Shows the pages of a help file: "qthelp:" addresses, the topics and their style sheet, are
// read from the help engine; relative links between topics resolve against them.
class HelpBrowser final : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    void SetEngine(QHelpEngineCore* engine) { m_engine = engine; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngineCore* m_engine = nullptr;
};
