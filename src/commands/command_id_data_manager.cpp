#include "commands/command_id_data_manager.h"

#include <initializer_list>
#include <utility>

namespace {

CCommandIDDataManager MakeTable(std::initializer_list<std::pair<uint16_t, int>> entries)
{
    CCommandIDDataManager table;
    for (const auto& [id, value] : entries) {
        table.SetAt(id, value);
    }
    return table;
}

}  // namespace

int CCommandIDDataManager::Lookup(uint16_t id, int defaultValue) const
{
    const auto found = m_values.find(id);
    return found == m_values.end() ? defaultValue : found->second;
}

void CCommandIDDataManager::GetValues(std::vector<int>& values) const
{
    values.clear();
    for (const auto& [id, value] : m_values) {
        values.push_back(value);
    }
}

uint16_t CCommandIDDataManager::FindID(int value) const
{
    for (const auto& [id, stored] : m_values) {
        if (stored == value) {
            return id;
        }
    }
    return 0;
}

CCommandIDDataManager CreateZoomTable()
{
    return MakeTable({{32824, 1}, {32825, 2}, {32826, 4}, {32827, 8}, {33069, 12}, {32900, 16}, {32960, 24},
                      {32961, 32}});
}

CCommandIDDataManager CreatePenSizeTable()
{
    return MakeTable({{32850, 1}, {32851, 2}, {32852, 4}, {32853, 6}, {32854, 10}});
}

CCommandIDDataManager CreatePlayModeTable()
{
    return MakeTable({{32987, 0}, {32986, 1}});
}
