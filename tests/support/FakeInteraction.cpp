#include "FakeInteraction.h"

namespace {

QString KindName(FakeInteraction::Kind kind)
{
    switch (kind) {
    case FakeInteraction::Kind::Tell:
        return QStringLiteral("Tell");
    case FakeInteraction::Kind::Report:
        return QStringLiteral("Report");
    case FakeInteraction::Kind::Ask:
        return QStringLiteral("Ask");
    case FakeInteraction::Kind::AskSave:
        return QStringLiteral("AskSave");
    case FakeInteraction::Kind::AskChanged:
        return QStringLiteral("AskChanged");
    case FakeInteraction::Kind::OpenFile:
        return QStringLiteral("OpenFile");
    case FakeInteraction::Kind::SaveFile:
        return QStringLiteral("SaveFile");
    case FakeInteraction::Kind::OpenUrl:
        return QStringLiteral("OpenUrl");
    case FakeInteraction::Kind::Help:
        return QStringLiteral("Help");
    }
    return {};
}

int IconNumber(MessageIcon icon)
{
    return static_cast<int>(icon);
}

} // namespace

void FakeInteraction::ExpectTell(const QString& text, const QString& title, MessageIcon icon)
{
    m_steps.append({Kind::Tell, text, title, icon, true, false, {}, 0});
}

void FakeInteraction::ExpectAnyTell(const QString& title, MessageIcon icon)
{
    m_steps.append({Kind::Tell, {}, title, icon, true, false, {}, 0});
}

void FakeInteraction::ExpectReport(const QString& summary, const QString& title, MessageIcon icon)
{
    m_steps.append({Kind::Report, summary, title, icon, true, false, {}, 0});
}

void FakeInteraction::ExpectAsk(const QString& text, const QString& title, bool answer, MessageIcon icon)
{
    m_steps.append({Kind::Ask, text, title, icon, true, answer, {}, 0});
}

void FakeInteraction::ExpectAskSave(const QString& text, const QString& title, SaveChoice choice)
{
    Step step{Kind::AskSave, text, title, MessageIcon::Warning, false, false, {}, 0};
    step.choice = choice;
    m_steps.append(step);
}

void FakeInteraction::ExpectAskChanged(const QString& text, const QString& title, ChangedFileChoice choice)
{
    Step step{Kind::AskChanged, text, title, MessageIcon::Warning, false, false, {}, 0};
    step.changed = choice;
    m_steps.append(step);
}

void FakeInteraction::ExpectOpenFile(const QString& title, const QString& chosen)
{
    m_steps.append({Kind::OpenFile, title, {}, MessageIcon::Information, false, false, chosen, 0});
}

void FakeInteraction::ExpectSaveFile(const QString& title, const QString& chosen)
{
    m_steps.append({Kind::SaveFile, title, {}, MessageIcon::Information, false, false, chosen, 0});
}

void FakeInteraction::ExpectOpenUrl(const QString& url, bool opened)
{
    m_steps.append({Kind::OpenUrl, url, {}, MessageIcon::Information, false, opened, {}, 0});
}

void FakeInteraction::ExpectHelp(int context)
{
    m_steps.append({Kind::Help, {}, {}, MessageIcon::Information, false, false, {}, context});
}

QString FakeInteraction::Report() const
{
    QStringList lines = failures;
    for (const Step& step : m_steps) {
        lines << QStringLiteral("expected but not raised: %1 \"%2\" \"%3\"")
                     .arg(KindName(step.kind), step.text, step.title);
    }
    lines << QStringLiteral("-- what happened:") << log;
    return lines.join(u'\n');
}

FakeInteraction::Step* FakeInteraction::Next(Kind kind, const QString& what)
{
    log << KindName(kind) + QStringLiteral(": ") + what;
    if (m_steps.isEmpty()) {
        failures << QStringLiteral("unexpected %1: %2").arg(KindName(kind), what);
        return nullptr;
    }
    if (m_steps.first().kind != kind) {
        failures << QStringLiteral("expected %1 \"%2\" but got %3: %4")
                        .arg(KindName(m_steps.first().kind), m_steps.first().text, KindName(kind), what);
        m_steps.removeFirst();
        return nullptr;
    }
    return &m_steps.first();
}

void FakeInteraction::Tell(const QString& text, const QString& title, MessageIcon icon)
{
    Message(Kind::Tell, text, title, icon);
}

void FakeInteraction::ShowReport(const QString& summary, const QString& details, const QString& title, MessageIcon icon)
{
    lastDetails = details;
    Message(Kind::Report, summary, title, icon);
}

void FakeInteraction::Message(Kind kind, const QString& text, const QString& title, MessageIcon icon)
{
    Step* step = Next(kind, title + QStringLiteral(" / ") + text);
    if (!step) {
        return;
    }
    if ((!step->text.isEmpty() && step->text != text) || (!step->title.isEmpty() && step->title != title) ||
        (step->checkIcon && step->icon != icon)) {
        failures << QStringLiteral("%1 mismatch: expected \"%2\" / \"%3\" icon %4, got \"%5\" / \"%6\" icon %7")
                        .arg(KindName(kind), step->title, step->text)
                        .arg(IconNumber(step->icon))
                        .arg(title, text)
                        .arg(IconNumber(icon));
    }
    m_steps.removeFirst();
}

bool FakeInteraction::Ask(const QString& text, const QString& title, MessageIcon icon)
{
    Step* step = Next(Kind::Ask, title + QStringLiteral(" / ") + text);
    if (!step) {
        return false;
    }
    if ((!step->text.isEmpty() && step->text != text) || (!step->title.isEmpty() && step->title != title) ||
        (step->checkIcon && step->icon != icon)) {
        failures << QStringLiteral("Ask mismatch: expected \"%1\" / \"%2\" icon %3, got \"%4\" / \"%5\" icon %6")
                        .arg(step->title, step->text)
                        .arg(IconNumber(step->icon))
                        .arg(title, text)
                        .arg(IconNumber(icon));
    }
    const bool answer = step->answer;
    m_steps.removeFirst();
    return answer;
}

SaveChoice FakeInteraction::AskSaveChanges(const QString& text, const QString& title)
{
    Step* step = Next(Kind::AskSave, title + QStringLiteral(" / ") + text);
    if (!step) {
        return SaveChoice::Cancel;
    }
    if ((!step->text.isEmpty() && step->text != text) || (!step->title.isEmpty() && step->title != title)) {
        failures << QStringLiteral("AskSave mismatch: expected \"%1\" / \"%2\", got \"%3\" / \"%4\"")
                        .arg(step->title, step->text, title, text);
    }
    const SaveChoice choice = step->choice;
    m_steps.removeFirst();
    return choice;
}

ChangedFileChoice FakeInteraction::AskChangedFile(const QString& text, const QString& title)
{
    Step* step = Next(Kind::AskChanged, title + QStringLiteral(" / ") + text);
    if (!step) {
        return ChangedFileChoice::Cancel;
    }
    if ((!step->text.isEmpty() && step->text != text) || (!step->title.isEmpty() && step->title != title)) {
        failures << QStringLiteral("AskChanged mismatch: expected \"%1\" / \"%2\", got \"%3\" / \"%4\"")
                        .arg(step->title, step->text, title, text);
    }
    const ChangedFileChoice choice = step->changed;
    m_steps.removeFirst();
    return choice;
}

QString FakeInteraction::ChooseOpenFile(const QString& title, const QString& folder, const QString& filter)
{
    lastFilter = filter;
    lastFolder = folder;
    Step* step = Next(Kind::OpenFile, title);
    if (!step) {
        return {};
    }
    if (!step->text.isEmpty() && step->text != title) {
        failures << QStringLiteral("open chooser title: expected \"%1\", got \"%2\"").arg(step->text, title);
    }
    const QString chosen = step->chosen;
    m_steps.removeFirst();
    return chosen;
}

QString FakeInteraction::ChooseSaveFile(const QString& title, const QString& folder, const QString& filter)
{
    lastFilter = filter;
    lastFolder = folder;
    Step* step = Next(Kind::SaveFile, title);
    if (!step) {
        return {};
    }
    if (!step->text.isEmpty() && step->text != title) {
        failures << QStringLiteral("save chooser title: expected \"%1\", got \"%2\"").arg(step->text, title);
    }
    const QString chosen = step->chosen;
    m_steps.removeFirst();
    return chosen;
}

bool FakeInteraction::OpenUrl(const QString& url)
{
    Step* step = Next(Kind::OpenUrl, url);
    if (!step) {
        return false;
    }
    if (!step->text.isEmpty() && step->text != url) {
        failures << QStringLiteral("url: expected \"%1\", got \"%2\"").arg(step->text, url);
    }
    const bool opened = step->answer;
    m_steps.removeFirst();
    return opened;
}

void FakeInteraction::ShowHelp(int context)
{
    Step* step = Next(Kind::Help, QString::number(context));
    if (!step) {
        return;
    }
    if (step->context != context) {
        failures << QStringLiteral("help: expected %1, got %2").arg(step->context).arg(context);
    }
    m_steps.removeFirst();
}
