#pragma once

#include <QStringList>
#include <QStringView>

#include <span>

// One domain of DOMAINNM's domain list (a plain name, without "@"). `ended`: the carrier no
// longer gives out addresses there, but people still hold and use those they were given.
struct DomainEntry
{
    QStringView domain;
    bool ended = false;
};

// One group of DOMAINNM's company list with its domains.
struct DomainGroup
{
    QStringView name;
    std::span<const DomainEntry> domains;
};

// The group names in the order the company list shows them; a group's position is its item
// data, as a domain's position in its group is the domain's.
[[nodiscard]] QStringList DomainGroupNames();
// The domains of the group that the company list shows under this name; none for any other text.
[[nodiscard]] QStringList DomainsOfGroup(QStringView groupName);
// The same domains as the domain list shows them: an ended one is marked "（終了したサービス）".
[[nodiscard]] QStringList DomainListTexts(QStringView groupName);

// The dial prefixes of PREFIXN, in list order.
[[nodiscard]] QStringList PrefixTable();
