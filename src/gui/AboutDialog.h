#pragma once

#include "Interaction.h"
#include "app/OutsideAddresses.h"

#include <QDialog>

#include <array>

class QLabel;

// INFO_VER, "ﾊﾞｰｼﾞｮﾝ情報": the program's icon, title, version and platform, and two links, a
// mail link (Label1 10 and 11) and a home-page link (Label1 12 to 14). A link glows bright
// green while the pointer is on it and rests light green otherwise. A build without a support
// mail has no mail link; without a home page the second link (12 and 13) opens the help.
class AboutDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(Interaction& interaction, QWidget* parent = nullptr, QString homePage = kHomePageAddress,
                         QString supportMail = kSupportMailAddress);

    // Label1 element `index` (0 to 14); null where the array has no element.
    [[nodiscard]] QLabel* Label1(int index) const { return m_labels.at(static_cast<std::size_t>(index)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Link
    {
        None,
        Mail,
        HomePage,
    };
    QLabel* AddLabel(int index, const QString& text);
    [[nodiscard]] Link LinkOf(const QObject* label) const;
    [[nodiscard]] Link LinkAt(const QPoint& globalPos) const;
    void Glow(Link link);
    void Follow(Link link);

    Interaction& m_interaction;
    QString m_homePage;
    QString m_supportMail;
    // The link the left button went down on, until it comes up.
    Link m_pressed = Link::None;
    std::array<QLabel*, 15> m_labels{};
};
