#include "app/ReportRow.h"

ReportRow equalRow(int style, std::vector<std::string> texts)
{
    ReportRow row{style, std::move(texts), {}};
    row.weights.assign(row.texts.size(), 1);
    return row;
}

ReportRow weightedRow(int style, std::vector<std::string> texts, const std::vector<int>& weights)
{
    ReportRow row{style, std::move(texts), {}};
    row.weights.resize(row.texts.size(), 1);
    for (std::size_t i = 0; i < row.weights.size() && i < weights.size(); ++i)
        row.weights[i] = weights[i] > 0 ? weights[i] : 1;
    return row;
}
