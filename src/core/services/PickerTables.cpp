#include "PickerTables.h"

namespace {

// Providers and free mail, then the second-level domains a Japanese address can end in.
constexpr std::array<QStringView, 16> kInternet = {
    u"biglobe.ne.jp", u"dion.ne.jp", u"gmail.com",   u"hotmail.co.jp", u"icloud.com",  u"nifty.com",
    u"ocn.ne.jp",     u"outlook.jp", u"plala.or.jp", u"so-net.ne.jp",  u"yahoo.co.jp", u"ac.jp",
    u"co.jp",         u"go.jp",      u"ne.jp",       u"or.jp",
};
constexpr std::array<QStringView, 5> kDocomo = {
    u"docomo.ne.jp", u"mopera.net", u"dwmail.jp", u"mopera.ne.jp", u"docomo.blackberry.com",
};
// The regional domains of the carrier, one letter per region.
constexpr std::array<QStringView, 9> kVodafone = {
    u"c.vodafone.ne.jp", u"d.vodafone.ne.jp", u"h.vodafone.ne.jp", u"k.vodafone.ne.jp", u"n.vodafone.ne.jp",
    u"q.vodafone.ne.jp", u"r.vodafone.ne.jp", u"s.vodafone.ne.jp", u"t.vodafone.ne.jp",
};
constexpr std::array<QStringView, 2> kAu = {u"ezweb.ne.jp", u"au.com"};
// Tu-Ka's subscribers moved to au, hence au's domain first.
constexpr std::array<QStringView, 4> kTuKa = {u"ezweb.ne.jp", u"sky.tkk.ne.jp", u"sky.tkc.ne.jp", u"sky.tu-ka.ne.jp"};
constexpr std::array<QStringView, 1> kWillcom = {u"pdx.ne.jp"};

constexpr std::array<DomainGroup, 6> kGroups = {{
    {u"ｲﾝﾀｰﾈｯﾄ", kInternet},
    {u"NTT DoCoMo", kDocomo},
    {u"vodafone", kVodafone},
    {u"au", kAu},
    {u"Tu-Ka", kTuKa},
    {u"WILLCOM", kWillcom},
}};

constexpr std::array<QStringView, 3> kPrefixes = {u"184", u"186", u"0063"};

QStringList ToList(std::span<const QStringView> texts)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (QStringView text : texts) {
        list.append(text.toString());
    }
    return list;
}

} // namespace

const std::array<DomainGroup, 6>& DomainGroupTable()
{
    return kGroups;
}

QStringList DomainGroupNames()
{
    QStringList names;
    for (const DomainGroup& group : kGroups) {
        names.append(group.name.toString());
    }
    return names;
}

QStringList DomainsOfGroup(QStringView groupName)
{
    for (const DomainGroup& group : kGroups) {
        if (group.name == groupName) {
            return ToList(group.domains);
        }
    }
    return QStringList();
}

QStringList PrefixTable()
{
    return ToList(kPrefixes);
}
