// The fixture of the result engine tests: a dataset made from the template, opened in the
// process's dataset store with scripted message boxes, and a result model on it. Queries are
// written straight into the file, so a test says exactly which definition it runs.
#pragma once

#include "platform/MessageBox.h"
#include "query/DovaneView.h"
#include "store/DovaneDatabase.h"
#include "tests/support/DatasetFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class ResultTest : public ::testing::Test {
protected:
    void Open(const DatasetDescription& description = {})
    {
        dataset_ = std::make_unique<TestDataset>(description);
        Reopen();
    }
    void Reopen()
    {
        TheDatabase().CloseDataset();
        TheDatabase().SetCurrentDatasetPath(dataset_->Path());
        ASSERT_TRUE(TheDatabase().OpenDataset(dataset_->Path()));
        ASSERT_TRUE(TheDatabase().IsOpen());
        TheDatabase().RunFirstLoads();
        view_ = std::make_unique<CDovaneView>(TheDatabase());
    }
    void TearDown() override
    {
        view_.reset();
        TheDatabase().CloseDataset();
    }

    // A saved query showing `columns` (viewable and sorted in this order), with a footer of
    // formula `footers[name]` on the named numeric columns. Returns its QUERY_ID.
    int AddQuery(const std::string& name, const std::vector<std::string>& columns,
                 const std::vector<std::pair<std::string, int>>& footers = {})
    {
        Dataset().Exec("INSERT INTO Queries (QUERY_NAME, IS_TEMPORARY, USER_ORDER) VALUES ('" + name +
                       "', 0, 0)");
        const int id = int(Dataset().Number("SELECT MAX(QUERY_ID) FROM Queries"));
        for (size_t i = 0; i < columns.size(); ++i) {
            const std::string property = std::to_string(Dataset().ParameterId(columns[i]));
            Dataset().Exec("INSERT INTO Viewable (QUERY_ID, PROPERTY_ID) VALUES (" +
                           std::to_string(id) + ", " + property + ")");
            Dataset().Exec("INSERT INTO SortOrder (QUERY_ID, PROPERTY_ID, SORT_ORDER) VALUES (" +
                           std::to_string(id) + ", " + property + ", " + std::to_string(i) + ")");
        }
        for (const auto& [column, formula] : footers) {
            Dataset().Exec("INSERT INTO Footer (QUERY_ID, PROPERTY_ID, FORMULA_ID) VALUES (" +
                           std::to_string(id) + ", " + std::to_string(Dataset().ParameterId(column)) +
                           ", " + std::to_string(formula) + ")");
        }
        return id;
    }

    // Runs the query as the result screen does.
    void Run(int queryId, bool showLinks = true, const IColumnMeasure* measure = nullptr)
    {
        ASSERT_TRUE(View().RunQuery(queryId, showLinks, measure)) << View().LastError();
    }

    // Every text of one list row, columns 1 to the last.
    std::vector<std::string> RowTexts(int row)
    {
        std::vector<std::string> texts;
        for (int c = 1; c < View().ColumnCount(); ++c)
            texts.push_back(View().CellText(row, c));
        return texts;
    }
    std::vector<std::string> Titles()
    {
        std::vector<std::string> titles;
        for (int c = 1; c < View().ColumnCount(); ++c)
            titles.push_back(View().Column(c).title);
        return titles;
    }

    const TestDataset& Dataset() const { return *dataset_; }
    CDovaneView& View() { return *view_; }
    ScriptedMessages& Messages() { return messages_; }

private:
    ScriptedMessages messages_;
    std::unique_ptr<TestDataset> dataset_;
    std::unique_ptr<CDovaneView> view_;
};
