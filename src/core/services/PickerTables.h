#pragma once

#include <QStringList>
#include <QStringView>

#include <array>
#include <span>

// One group of DOMAINNM's company list with its domains (plain names, without "@").
struct DomainGroup
{
    QStringView name;
    std::span<const QStringView> domains;
};

// The six groups in the order the company list shows them; a group's position is its item data,
// as a domain's position in its group is the domain's.
[[nodiscard]] const std::array<DomainGroup, 6>& DomainGroupTable();

// The group names, in table order.
[[nodiscard]] QStringList DomainGroupNames();
// The domains of the group that the company list shows under this name; none for any other text.
[[nodiscard]] QStringList DomainsOfGroup(QStringView groupName);

// The dial prefixes of PREFIXN, in list order.
[[nodiscard]] QStringList PrefixTable();
