#include "PickerTables.h"

#include <array>

namespace {

// Providers and free mail, then the second-level domains a Japanese address can end in.
constexpr std::array<DomainEntry, 16> kInternet = {{
    {u"biglobe.ne.jp"},
    {u"dion.ne.jp"},
    {u"gmail.com"},
    {u"hotmail.co.jp"},
    {u"icloud.com"},
    {u"nifty.com"},
    {u"ocn.ne.jp"},
    {u"outlook.jp"},
    {u"plala.or.jp"},
    {u"so-net.ne.jp"},
    {u"yahoo.co.jp"},
    {u"ac.jp"},
    {u"co.jp"},
    {u"go.jp"},
    {u"ne.jp"},
    {u"or.jp"},
}};
// i-mode and sp-mode mail, and the carrier's provider service mopera U.
constexpr std::array<DomainEntry, 2> kDocomo = {{{u"docomo.ne.jp"}, {u"mopera.net"}}};
// The carrier is SoftBank now: S!メール and MMS, then the iPhone's Eメール(i). The regional
// domains of its vodafone days, one letter per region, are still held by those who kept them.
constexpr std::array<DomainEntry, 11> kVodafone = {{
    {u"softbank.ne.jp"},
    {u"i.softbank.jp"},
    {u"c.vodafone.ne.jp", true},
    {u"d.vodafone.ne.jp", true},
    {u"h.vodafone.ne.jp", true},
    {u"k.vodafone.ne.jp", true},
    {u"n.vodafone.ne.jp", true},
    {u"q.vodafone.ne.jp", true},
    {u"r.vodafone.ne.jp", true},
    {u"s.vodafone.ne.jp", true},
    {u"t.vodafone.ne.jp", true},
}};
// EZweb addresses stay in use beside the au.com addresses given out now.
constexpr std::array<DomainEntry, 2> kAu = {{{u"ezweb.ne.jp"}, {u"au.com"}}};
// Tu-Ka's service and its own addresses ended; its subscribers moved to au.
constexpr std::array<DomainEntry, 2> kTuKa = kAu;
// WILLCOM went into Y!mobile, whose MMS and Y!mobile mail addresses these are; its PHS
// addresses ended with the PHS service.
constexpr std::array<DomainEntry, 2> kWillcom = {{{u"ymobile.ne.jp"}, {u"yahoo.ne.jp"}}};
// 楽メール, the carrier mail of Rakuten Link.
constexpr std::array<DomainEntry, 1> kRakuten = {{{u"rakumail.jp"}}};

constexpr std::array<DomainGroup, 7> kGroups = {{
    {u"ｲﾝﾀｰﾈｯﾄ", kInternet},
    {u"NTT DoCoMo", kDocomo},
    {u"vodafone", kVodafone},
    {u"au", kAu},
    {u"Tu-Ka", kTuKa},
    {u"WILLCOM", kWillcom},
    {u"楽天モバイル", kRakuten},
}};

constexpr QStringView kEndedMark = u"（終了したサービス）";

constexpr std::array<QStringView, 3> kPrefixes = {u"184", u"186", u"0063"};

std::span<const DomainEntry> GroupNamed(QStringView name)
{
    for (const DomainGroup& group : kGroups) {
        if (group.name == name) {
            return group.domains;
        }
    }
    return {};
}

} // namespace

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
    QStringList domains;
    for (const DomainEntry& entry : GroupNamed(groupName)) {
        domains.append(entry.domain.toString());
    }
    return domains;
}

QStringList DomainListTexts(QStringView groupName)
{
    QStringList texts;
    for (const DomainEntry& entry : GroupNamed(groupName)) {
        texts.append(entry.ended ? entry.domain.toString().append(kEndedMark) : entry.domain.toString());
    }
    return texts;
}

QStringList PrefixTable()
{
    QStringList prefixes;
    for (QStringView prefix : kPrefixes) {
        prefixes.append(prefix.toString());
    }
    return prefixes;
}
