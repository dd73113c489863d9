// The fixture of the parameter, value and item store tests: a dataset made from the template,
// opened in the process's dataset store with scripted message boxes, closed when the test ends.
#pragma once

#include "platform/MessageBox.h"
#include "store/DovaneDatabase.h"
#include "tests/support/DatasetFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class StoreTest : public ::testing::Test {
protected:
    // Builds the dataset and opens it as the program does (the first loads included).
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
    }
    void TearDown() override { TheDatabase().CloseDataset(); }

    const TestDataset& Dataset() const { return *dataset_; }
    CParamStore& Params() { return TheDatabase().Params(); }
    CItemStore& Items() { return TheDatabase().Items(); }
    ScriptedMessages& Messages() { return messages_; }

    // A single-value query on the dataset file, as text ("NULL" for NULL, "" for no row).
    std::string Text(const std::string& sql) const
    {
        const auto rows = dataset_->Rows(sql);
        return rows.empty() || rows[0].empty() ? std::string() : rows[0][0];
    }

private:
    ScriptedMessages messages_;
    std::unique_ptr<TestDataset> dataset_;
};
