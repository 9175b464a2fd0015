#include "DesktopFont.h"

#include <array>

namespace {

// Noto Sans CJK JP where the desktop has it; otherwise IPA Gothic, proportional before fixed,
// which the program's own setup installs.
constexpr std::array<QStringView, 3> kPreferredFaces{u"Noto Sans CJK JP", u"IPAPGothic", u"IPAGothic"};

} // namespace

QString JapaneseUiFontFamily(const QStringList& installedFamilies)
{
    for (const QStringView face : kPreferredFaces) {
        for (const QString& family : installedFamilies) {
            if (family.compare(face, Qt::CaseInsensitive) == 0) {
                return family;
            }
        }
    }
    return {};
}
