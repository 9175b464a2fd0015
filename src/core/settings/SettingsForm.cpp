#include "SettingsForm.h"

#include "SettingValues.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

int TabFrom(const QString& text)
{
    for (int tab = 0; tab < SettingsForm::kTabCount; ++tab) {
        if (text == QString::number(tab)) {
            return tab;
        }
    }
    return 0;
}

// A whole number of at most five digits after an optional minus: what the width box accepts.
std::optional<int> WholeNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 6) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

SettingsForm SettingsFormFrom(const AppSettings& settings)
{
    SettingsForm form;
    const auto on = [](const QString& flag) { return flag == u"1"; };
    form.check[kCheckLogo] = on(settings.optLogo);
    form.check[kCheckHeaders] = settings.optMida == u"0";
    form.check[kCheckCentred] = on(settings.optRed);
    form.check[kCheckGrid] = on(settings.optGrid);
    form.check[kCheckSort] = on(settings.optSort);
    form.check[kCheckLastTab] = on(settings.optLAct);
    for (std::size_t n = 0; n < 2; ++n) {
        form.check[kCheckMainDoubleClick + n] = on(settings.optDEnd[n]);
        form.check[kCheckMainCentre + n] = on(settings.optCenter[n]);
    }
    form.activeTab = TabFrom(settings.optLATab);
    form.selectedSize = IsMainSizeChoice(settings.optSize) ? settings.optSize.toInt() : 1;
    form.font = settings.optFont;
    form.colour = settings.optCol;
    for (std::size_t n = 1; n < form.widths.size(); ++n) {
        form.widths[n] = settings.lvcWid[n];
    }
    form.slot = PostalSlot(settings.optSen);
    form.yubinFile = settings.yubinFile;
    form.folderName = settings.folderName;
    return form;
}

std::optional<int> WidthFromBox(QStringView text)
{
    const std::optional<int> value = WholeNumber(text);
    if (!value || *value < 0 || *value > SettingsForm::kWidthMax) {
        return std::nullopt;
    }
    return value;
}

bool WidthOutOfRange(QStringView text)
{
    if (text.isEmpty()) {
        return false;
    }
    const std::optional<int> value = WholeNumber(text);
    // Text that is no number at all is refused too: it would reach the settings as garbage.
    return !value || *value < 0 || *value > SettingsForm::kWidthMax;
}

QString SteppedWidth(QStringView text, int direction)
{
    const int value = WidthFromBox(text).value_or(0) + direction * SettingsForm::kWidthStep;
    return QString::number(std::clamp(value, 0, SettingsForm::kWidthMax));
}

std::optional<double> FontSizeFromText(QStringView text)
{
    static const QRegularExpression kSize(QStringLiteral("^[0-9]{1,3}([.,][0-9])?$"));
    if (!kSize.match(text).hasMatch()) {
        return std::nullopt;
    }
    const double size = text.toString().replace(u',', u'.').toDouble();
    if (size < 1 || size > 512) {
        return std::nullopt;
    }
    return size;
}

void CopyFirstSlotWidths(SettingsForm& form)
{
    for (int slot = 2; slot <= kSlotCount; ++slot) {
        for (const auto& [first, other] :
             {std::pair{TelNumberCell(1), TelNumberCell(slot)}, std::pair{TelKindCell(1), TelKindCell(slot)},
              std::pair{MailAddressCell(1), MailAddressCell(slot)}, std::pair{MailKindCell(1), MailKindCell(slot)}}) {
            form.widths[static_cast<std::size_t>(other)] = form.widths[static_cast<std::size_t>(first)];
        }
    }
}

void SetPostalFile(SettingsForm& form, int slot, const QString& path)
{
    const QFileInfo file(path);
    if (slot < 0 || slot >= kPostalSlotCount || file.fileName().isEmpty()) {
        return;
    }
    form.folderName[static_cast<std::size_t>(slot)] = file.absolutePath();
    form.yubinFile[static_cast<std::size_t>(slot)] = file.fileName();
}

QList<int> MissingPostalFolders(const SettingsForm& form)
{
    QList<int> missing;
    for (int n = 0; n < kPostalSlotCount; ++n) {
        const QString& folder = form.folderName[static_cast<std::size_t>(n)];
        if (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
            missing << n;
        }
    }
    return missing;
}

QString FontFlagText(bool on)
{
    return on ? QStringLiteral("True") : QStringLiteral("False");
}
