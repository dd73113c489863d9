// The Values screen: one Alphanumeric parameter's values at a time, edited in the values store's
// list and written by Save or when the screen (or the parameter) is left.
#include "screens/DovaneValueEdit.h"

#include "app/Commands.h"
#include "app/MenuResources.h"
#include "platform/MessageBox.h"
#include "store/DovaneDatabase.h"
#include "store/ParamStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
ScreenInfo ValueScreenInfo()
{
    return {IDR_VALUES, QStringLiteral(" - [Values]"), "::/values_screen.htm", ScreenToolBar::None,
            ID_VALUES_SAVE};
}

const char kDeleteQuestion[] = "Delete selected value?";
const char kValueInUse[] = "Selected value cannot be deleted, \nbecause it is assigned to items.";
const char kDuplicate[] = "Duplicate value.\nEach value for selected parameter should  be unique.";
const char kEmptyOnSave[] = "Cannot use empty value name !";
const char kEmptyOnLeave[] = "Cannot save empty value name !";
const char kSaveQuestion[] = "Values changed\nSave changes?";
constexpr int kValueLimit = 49;

CParamStore& Store() { return TheDatabase().Params(); }
}  // namespace

CDovaneValueEdit::CDovaneValueEdit(QWidget* parent)
    : CDovaneEdit(ValueScreenInfo(), tr("<< Parameters"), ID_PARAMETERS, tr("Items >>"), ID_ITEMS,
                  parent),
      params_(new QComboBox(this)),
      values_(new QListWidget(this)),
      text_(new QLineEdit(this)),
      alphabetic_(new QCheckBox(tr("Save values in alphabetic order"), this)),
      add_(new QPushButton(tr("Add"), this)),
      delete_(new QPushButton(tr("Delete"), this))
{
    BuildControls();
    EnableValueControls(false);
}

void CDovaneValueEdit::BuildControls()
{
    params_->setObjectName("paramCombo");
    values_->setObjectName("valueList");
    text_->setObjectName("valueText");
    auto* top = new QFormLayout;
    top->addRow(tr("&Parameter:"), params_);
    top->addRow(tr("&Value:"), text_);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(delete_);
    buttons->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(values_, 1);
    middle->addLayout(buttons);
    ContentLayout()->addLayout(top);
    ContentLayout()->addLayout(middle, 1);
    ContentLayout()->addWidget(alphabetic_);
    setTabOrder(params_, text_);
    setTabOrder(text_, values_);
    setTabOrder(values_, add_);
    setTabOrder(add_, delete_);
    setTabOrder(delete_, alphabetic_);

    connect(params_, &QComboBox::activated, this, &CDovaneValueEdit::OnParamChosen);
    connect(values_, &QListWidget::currentRowChanged, this, &CDovaneValueEdit::OnValueSelected);
    connect(text_, &QLineEdit::textEdited, this, &CDovaneValueEdit::OnValueEdited);
    connect(add_, &QPushButton::clicked, this, &CDovaneValueEdit::OnAdd);
    connect(delete_, &QPushButton::clicked, this, &CDovaneValueEdit::OnDelete);
    connect(alphabetic_, &QCheckBox::clicked, this, &CDovaneValueEdit::OnAlphabeticClicked);
}

int CDovaneValueEdit::SelectedParamIndex() const
{
    return params_->currentIndex() < 0 ? -1 : params_->currentData().toInt();
}

int32_t CDovaneValueEdit::SelectedParamId() const
{
    const tagPARAM* record = Store().ParamAt(SelectedParamIndex());
    return record ? record->PROPERTY_ID : 0;
}

void CDovaneValueEdit::EnableValueControls(bool enable)
{
    text_->setEnabled(enable);
    delete_->setEnabled(enable);
    values_->setEnabled(enable);
    alphabetic_->setEnabled(params_->count() > 0);
    add_->setEnabled(params_->count() > 0);
    params_->setEnabled(params_->count() > 0);
    if (!enable)
        text_->clear();
}

// Loads the selected parameter's values from the dataset into the list, in the store's order.
void CDovaneValueEdit::LoadValues()
{
    loading_ = true;
    values_->clear();
    const tagPARAM* param = Store().ParamAt(SelectedParamIndex());
    alphabetic_->setChecked(param && param->ALPHABETIC_ORDER);
    if (param)
        Store().LoadValues(param->PROPERTY_ID);
    const CValueArray& list = Store().Values();
    for (size_t index = 0; index < list.size(); ++index) {
        if (IsRemoved(list[index].state))
            continue;
        auto* item = new QListWidgetItem(QString::fromStdString(list[index].VALUE_ANUM));
        item->setData(Qt::UserRole, int(index));
        values_->addItem(item);
    }
    shownParam_ = params_->currentIndex();
    loading_ = false;
    EnableValueControls(values_->count() > 0);
}

void CDovaneValueEdit::SelectValue(int row)
{
    if (row >= values_->count())
        row = values_->count() - 1;
    loading_ = true;
    values_->setCurrentRow(row);
    loading_ = false;
    OnValueSelected(row);
}

void CDovaneValueEdit::OnValueSelected(int row)
{
    if (loading_)
        return;
    const QListWidgetItem* item = values_->item(row);
    text_->setText(item ? item->text() : QString());
    if (item)
        text_->setFocus();
}

void CDovaneValueEdit::OnParamChosen(int index)
{
    if (index == shownParam_)
        return;
    const int chosen = index;
    // Leaving the shown parameter's values; a refusal shows that parameter again.
    params_->setCurrentIndex(shownParam_);
    if (!CanLeave(true))
        return;
    params_->setCurrentIndex(chosen);
    LoadValues();
    SelectValue(0);
}

std::string CDovaneValueEdit::CandidateName() const
{
    for (int suffix = 0;; ++suffix) {
        const QString candidate =
            suffix == 0 ? QStringLiteral("New Value") : QStringLiteral("New Value%1").arg(suffix);
        bool taken = false;
        for (int row = 0; row < values_->count() && !taken; ++row)
            taken = values_->item(row)->text().compare(candidate, Qt::CaseInsensitive) == 0;
        if (!taken)
            return candidate.toStdString();
    }
}

void CDovaneValueEdit::OnAdd()
{
    if (SelectedParamIndex() < 0)
        return;
    const std::string name = CandidateName();
    Store().AddValue(SelectedParamId(), name);
    auto* item = new QListWidgetItem(QString::fromStdString(name));
    item->setData(Qt::UserRole, int(Store().Values().size()) - 1);
    values_->addItem(item);
    EnableValueControls(true);
    SelectValue(values_->count() - 1);
    text_->setFocus();
    text_->selectAll();
    SetModified(true);
}

void CDovaneValueEdit::OnValueEdited(const QString& typed)
{
    const int row = values_->currentRow();
    QListWidgetItem* item = values_->item(row);
    if (!item)
        return;
    QString text = typed;
    if (text.size() > kValueLimit) {
        text = text.left(kValueLimit);
        text_->setText(text);
    }
    Store().RenameValue(SelectedParamId(), item->data(Qt::UserRole).toInt(), text.toStdString());
    item->setText(text);
    SetModified(true);
}

void CDovaneValueEdit::OnDelete()
{
    const int row = values_->currentRow();
    const QListWidgetItem* item = values_->item(row);
    if (!item)
        return;
    const int index = item->data(Qt::UserRole).toInt();
    const tagVALUE& value = Store().Values()[size_t(index)];
    if (value.VALUE_ID > 0 && !Store().IsValueUnused(value.VALUE_ID)) {
        MessageBox(kValueInUse, {}, MB_OK, this);
        return;
    }
    if (MessageBox(kDeleteQuestion, {}, MB_YESNOCANCEL | MB_ICONQUESTION, this) != IDYES)
        return;
    Store().DeleteValue(index);
    loading_ = true;
    values_->clear();
    const CValueArray& list = Store().Values();
    for (size_t other = 0; other < list.size(); ++other) {
        if (IsRemoved(list[other].state))
            continue;
        auto* entry = new QListWidgetItem(QString::fromStdString(list[other].VALUE_ANUM));
        entry->setData(Qt::UserRole, int(other));
        values_->addItem(entry);
    }
    loading_ = false;
    EnableValueControls(values_->count() > 0);
    if (values_->count() > 0)
        SelectValue(row);
    SetModified(true);
}

void CDovaneValueEdit::OnAlphabeticClicked(bool checked)
{
    if (Store().SetParamAlphabetic(SelectedParamIndex(), checked)) {
        SetModified(true);
        paramsChanged_ = true;
    }
}

bool CDovaneValueEdit::ValueNamesUnique()
{
    for (int row = 0; row < values_->count(); ++row) {
        const int index = values_->item(row)->data(Qt::UserRole).toInt();
        if (values_->item(row)->text().isEmpty())
            continue;
        if (!Store().IsValueNameUnique(index)) {
            MessageBox(kDuplicate, values_->item(row)->text().toStdString(), MB_OK, this);
            text_->setFocus();
            return false;
        }
    }
    return true;
}

void CDovaneValueEdit::Save()
{
    if (!IsModified())
        return;
    if (paramsChanged_ && Store().SaveParams())
        paramsChanged_ = false;
    if (!ValueNamesUnique())
        return;
    if (!text_->text().isEmpty() || values_->count() == 0) {
        const int row = values_->currentRow();
        if (!Store().SaveValues())
            return;
        LoadValues();
        SelectValue(std::max(row, 0));
        SetModified(false);
    } else {
        // The empty value keeps its place, so that the user can name it.
        MessageBox(kEmptyOnSave, {}, MB_OK, this);
        text_->setFocus();
    }
}

bool CDovaneValueEdit::OnCommand(int command)
{
    if (command == ID_VALUES_SAVE) {
        Save();
        return true;
    }
    return CDovaneEdit::OnCommand(command);
}

bool CDovaneValueEdit::CanLeave(bool prompt)
{
    if (!ValueNamesUnique())
        return false;
    if (!IsModified())
        return true;
    if (text_->text().isEmpty() && values_->count() > 0) {
        MessageBox(kEmptyOnLeave, {}, MB_OK, this);
        text_->setFocus();
        return false;
    }
    const int answer = AskSaveChanges(prompt, kSaveQuestion);
    if (answer == IDCANCEL)
        return false;
    if (answer == IDYES) {
        Save();
        // A failed write keeps the user here with the changes.
        if (IsModified())
            return false;
    }
    paramsChanged_ = false;
    SetModified(false);
    return true;
}

void CDovaneValueEdit::Reload()
{
    loading_ = true;
    params_->clear();
    loading_ = false;
    Store().LoadParams();
    const CParamArray& params = Store().Params();
    std::vector<std::pair<int32_t, int>> alphanumeric;
    for (size_t index = 0; index < params.size(); ++index) {
        if (!IsRemoved(params[index].state) && params[index].TYPE_ID == TYPE_ALPHANUMERIC)
            alphanumeric.push_back({params[index].SORT_ORDER, int(index)});
    }
    std::stable_sort(alphanumeric.begin(), alphanumeric.end());
    for (const auto& [position, index] : alphanumeric)
        params_->addItem(QString::fromStdString(params[size_t(index)].PROPERTY_NAME), index);
    shownParam_ = -1;
    if (params_->count() == 0) {
        values_->clear();
        EnableValueControls(false);
    } else {
        params_->setCurrentIndex(0);
        LoadValues();
        SelectValue(0);
    }
    paramsChanged_ = false;
    SetModified(false);
}

void CDovaneValueEdit::ClearScreen()
{
    SetModified(false);
    paramsChanged_ = false;
    values_->clear();
    text_->clear();
    params_->clear();
    shownParam_ = -1;
    alphabetic_->setChecked(false);
    EnableValueControls(false);
}
