#include "PostalCheck.h"

#include "services/PostalIndex.h"
#include "services/ServiceTexts.h"

using namespace ServiceTexts;

namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

YubinCheckResult Yubin_Check(const QString& first, const QString& second, Interaction& interaction)
{
    YubinCheckResult result;
    if ((second.size() < 4 || first.size() < 3) && !(first.isEmpty() && second.isEmpty())) {
        interaction.Tell(kLengthText.toString(), kLengthTitle.toString(), MessageIcon::Warning);
        result.failed = true;
    }
    for (const auto& [part, index] :
         {std::pair{&first, int{kTextPostalFirst}}, std::pair{&second, int{kTextPostalSecond}}}) {
        for (QChar c : *part) {
            if (!IsAsciiDigit(c)) {
                interaction.Tell(kDigitText.toString(), kDigitTitle.toString(), MessageIcon::Warning);
                result.focusIndex = index;
                result.failed = true;
            }
        }
    }
    if (first.isEmpty() && second.isEmpty()) {
        interaction.Tell(kEmptyText.toString(), kEmptyTitle.toString(), MessageIcon::Warning);
        result.failed = true;
    }
    return result;
}

int mnuEditYubin_Jusho_Click(EditorFields& fields, const PostalIndex& index, Interaction& interaction)
{
    const QString& first = fields.Text(kTextPostalFirst);
    const QString& second = fields.Text(kTextPostalSecond);
    const YubinCheckResult check = Yubin_Check(first, second, interaction);
    if (!check.failed) {
        fields.Text(kTextAddress) = ShowAddressForPostalCode(index, first + second);
    }
    return check.focusIndex;
}

PostalButtonResult PostalButton_Click(EditorFields& fields, const PostalIndex& index, Interaction& interaction)
{
    switch (fields.LastFocusIndex) {
    case kTextPostalFirst:
    case kTextPostalSecond:
        return PostalButtonResult{PostalButtonAction::LookedUp, mnuEditYubin_Jusho_Click(fields, index, interaction)};
    case kTextAddress:
        return PostalButtonResult{PostalButtonAction::OpenCandidates, -1};
    default:
        return PostalButtonResult{};
    }
}
