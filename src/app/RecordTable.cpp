#include "app/RecordTable.h"

const FieldDesc* TableConfig::field(std::string_view name) const
{
    return lookup ? lookup(name) : findField(record, name);
}

std::string cellFieldName(const TableColumn& column, int row)
{
    std::string name = column.field ? column.field : "";
    if (auto at = name.find("%d"); at != std::string::npos) name.replace(at, 2, std::to_string(row));
    return name;
}
