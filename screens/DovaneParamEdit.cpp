// The Parameters screen and its parameter list. The list's rows hold record indexes of the
// parameters store; the store's list is the truth, the list shows it in position order.
#include "screens/DovaneParamEdit.h"

#include "app/Commands.h"
#include "app/MenuResources.h"
#include "platform/ColourDialog.h"
#include "platform/MessageBox.h"
#include "store/DovaneDatabase.h"
#include "store/ParamStore.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {
ScreenInfo ParamScreenInfo()
{
    return {IDR_PARAMETERS, QStringLiteral(" - [Parameters]"), "::/parameters_screen.htm",
            ScreenToolBar::None, ID_PARAMS_SAVE};
}

const char kEnterName[] = "Enter parameter name";
const char kDeleteQuestion[] =
    "Parameter deleting will cause possible loss of all information \nassociated with it. It "
    "will affect item, query, and permutation data.\nDelete anyway?";
const char kTypeQuestion[] =
    "Parameter type changing will cause possible loss of all information \nassociated with it. "
    "It will affect item and query data.\nChange anyway?";
const char kDuplicateName[] = "Duplicate parameter name.\nEach parameter should have unique name.";
const char kEmptyName[] = "Cannot use empty parameter name !";
const char kSaveQuestion[] = "Parameters changed\nSave changes?";
constexpr int kMaxPrecision = 6;
constexpr int kNameLimit = 25;

CParamStore& Store() { return TheDatabase().Params(); }

QColor ToQColor(COLORREF colour)
{
    return QColor(int(GetRValue(colour)), int(GetGValue(colour)), int(GetBValue(colour)));
}

// Draws a row in its parameter's colours with the current row's (blinking) frame.
class ParamRowDelegate : public QStyledItemDelegate {
public:
    explicit ParamRowDelegate(CDovaneParamList* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const QPalette& palette = option.palette;
        const bool current = index.row() == list_->CurrentRow();
        const tagPARAM* record = Store().ParamAt(list_->RecordOfRow(index.row()));
        QColor background = current ? palette.highlight().color() : palette.base().color();
        QColor text = current ? palette.highlightedText().color() : palette.text().color();
        if (record) {
            background = ToQColor(record->backgroundColour);
            text = ToQColor(record->textColour);
        }
        painter->save();
        painter->fillRect(option.rect, background);
        painter->setPen(text);
        painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                          index.data().toString());
        if (current) {
            QColor frame = palette.highlight().color();
            if (list_->IsBlinking())
                frame = list_->NextBlinkPhase() ? QColor(Qt::darkGray) : palette.window().color();
            painter->setPen(frame);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

    // A little air above and below the name, as in the other lists.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 4);
    }

private:
    CDovaneParamList* list_;
};
}  // namespace

// ---- The parameter list ---------------------------------------------------------------------

CDovaneParamList::CDovaneParamList(CDovaneParamEdit* owner) : CDragDropListCtrl(owner), owner_(owner)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    header()->setStretchLastSection(true);
    setItemDelegate(new ParamRowDelegate(this));
}

void CDovaneParamList::SetCurrentRow(int row)
{
    const int old = currentRow_;
    currentRow_ = row;
    if (row >= 0 && row < topLevelItemCount())
        setCurrentItem(topLevelItem(row));
    if (old != row)
        viewport()->update();
}

int CDovaneParamList::RecordOfRow(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

void CDovaneParamList::SetBlink(bool blink)
{
    blink_ = blink;
    RedrawCurrentRow();
}

void CDovaneParamList::RedrawCurrentRow() { viewport()->update(); }

// ---- The screen -------------------------------------------------------------------------------

CDovaneParamEdit::CDovaneParamEdit(QWidget* parent)
    : CDovaneEdit(ParamScreenInfo(), tr("<< Back"), 0, tr("Values >>"), ID_VALUES, parent),
      list_(new CDovaneParamList(this)),
      name_(new QLineEdit(this)),
      type_(new QComboBox(this)),
      precision_(new QSpinBox(this)),
      add_(new QPushButton(tr("Add"), this)),
      delete_(new QPushButton(tr("Delete"), this)),
      up_(new QPushButton(tr("Up"), this)),
      down_(new QPushButton(tr("Down"), this))
{
    BuildControls();
    FillList(false);
}

void CDovaneParamEdit::BuildControls()
{
    list_->setObjectName("paramList");
    name_->setObjectName("paramName");
    type_->setObjectName("paramType");
    precision_->setObjectName("precision");
    name_->setMaxLength(kNameLimit);
    precision_->setRange(0, kMaxPrecision);
    name_->installEventFilter(this);

    auto* fields = new QFormLayout;
    fields->addRow(tr("&Name:"), name_);
    fields->addRow(tr("&Type:"), type_);
    fields->addRow(tr("&Precision:"), precision_);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {add_, delete_, up_, down_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* side = new QVBoxLayout;
    side->addLayout(fields);
    side->addLayout(buttons, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 2);
    row->addLayout(side, 1);
    ContentLayout()->addLayout(row);

    // The colour picker buttons of the form stay hidden; the frame's colour tool is the way.
    auto* textColour = new QPushButton(tr("Text"), this);
    auto* backColour = new QPushButton(tr("Background"), this);
    textColour->hide();
    backColour->hide();
    connect(textColour, &QPushButton::clicked, this, [this] { OnPickColour(true); });
    connect(backColour, &QPushButton::clicked, this, [this] { OnPickColour(false); });

    setTabOrder(list_, name_);
    setTabOrder(name_, type_);
    setTabOrder(type_, precision_);
    setTabOrder(precision_, add_);
    setTabOrder(add_, delete_);
    setTabOrder(delete_, up_);
    setTabOrder(up_, down_);

    connect(add_, &QPushButton::clicked, this, &CDovaneParamEdit::OnAdd);
    connect(delete_, &QPushButton::clicked, this, &CDovaneParamEdit::OnDelete);
    connect(up_, &QPushButton::clicked, this, &CDovaneParamEdit::OnUp);
    connect(down_, &QPushButton::clicked, this, &CDovaneParamEdit::OnDown);
    connect(name_, &QLineEdit::textEdited, this, &CDovaneParamEdit::OnNameEdited);
    connect(type_, &QComboBox::activated, this, &CDovaneParamEdit::OnTypeChosen);
    connect(precision_, &QSpinBox::valueChanged, this, &CDovaneParamEdit::OnPrecisionChanged);
    connect(list_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { OnRowClicked(list_->indexOfTopLevelItem(item)); });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const int row = list_->indexOfTopLevelItem(item);
        if (!loading_ && row >= 0 && row != list_->CurrentRow()) {
            MakeRowCurrent(row);
            LoadCurrentParam();
        }
    });
    connect(list_, &CDragDropListCtrl::rowMoved, this, &CDovaneParamEdit::OnRowMoved);
}

void CDovaneParamEdit::FillTypeCombo()
{
    loading_ = true;
    type_->clear();
    if (TheDatabase().TypeNames().empty())
        TheDatabase().LoadTypeNames();
    for (const std::string& name : TheDatabase().TypeNames())
        type_->addItem(QString::fromStdString(name));
    type_->setCurrentIndex(-1);
    loading_ = false;
}

// Rebuilds the rows from the store: a row per live record at its position, gaps dropped.
void CDovaneParamEdit::FillList(bool clearType)
{
    loading_ = true;
    const CParamArray& params = Store().Params();
    std::vector<int> records(params.size(), -1);
    for (size_t index = 0; index < params.size(); ++index) {
        const tagPARAM& record = params[index];
        if (!IsRemoved(record.state) && record.SORT_ORDER >= 0 &&
            size_t(record.SORT_ORDER) < records.size() && !record.PROPERTY_NAME.empty())
            records[size_t(record.SORT_ORDER)] = int(index);
    }
    // A live record whose name is empty still needs its row (it was just renamed to nothing).
    for (size_t index = 0; index < params.size(); ++index) {
        const tagPARAM& record = params[index];
        if (!IsRemoved(record.state) && record.PROPERTY_NAME.empty() && record.SORT_ORDER >= 0 &&
            size_t(record.SORT_ORDER) < records.size() && records[size_t(record.SORT_ORDER)] < 0)
            records[size_t(record.SORT_ORDER)] = int(index);
    }
    list_->clear();
    for (int record : records) {
        if (record < 0)
            continue;
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::fromStdString(params[size_t(record)].PROPERTY_NAME));
        item->setData(0, Qt::UserRole, record);
    }
    list_->SetCurrentRow(-1);
    const bool rows = list_->topLevelItemCount() > 0;
    if (!rows || clearType)
        type_->setCurrentIndex(-1);
    if (!rows) {
        name_->clear();
        currentRecord_ = -1;
        up_->setEnabled(false);
        down_->setEnabled(false);
    }
    name_->setEnabled(rows);
    type_->setEnabled(rows);
    delete_->setEnabled(rows);
    const bool numeric = rows && type_->currentIndex() + 1 == TYPE_NUMERIC;
    precision_->setEnabled(numeric);
    if (numeric)
        precision_->setValue(0);
    loading_ = false;
}

void CDovaneParamEdit::MakeRowCurrent(int row)
{
    loading_ = true;
    list_->SetCurrentRow(row);
    loading_ = false;
    const int count = list_->topLevelItemCount();
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row < count - 1);
    currentRecord_ = list_->RecordOfRow(row);
}

void CDovaneParamEdit::LoadCurrentParam()
{
    const tagPARAM* record = Store().ParamAt(currentRecord_);
    if (!record)
        return;
    loading_ = true;
    type_->setCurrentIndex(record->TYPE_ID - 1);
    currentType_ = record->TYPE_ID;
    name_->setText(QString::fromStdString(record->PROPERTY_NAME));
    const bool numeric = record->TYPE_ID == TYPE_NUMERIC;
    precision_->setValue(numeric ? int(std::min<uint32_t>(record->PRESCISION, kMaxPrecision)) : 0);
    precision_->setSpecialValueText(numeric ? QString() : QStringLiteral(" "));
    precision_->setEnabled(numeric);
    loading_ = false;
}

void CDovaneParamEdit::StoreCurrentFields()
{
    if (currentRecord_ < 0 || list_->CurrentRow() < 0)
        return;
    const int type = type_->currentIndex() + 1;
    Store().UpdateParam(currentRecord_, name_->text().toStdString(), type,
                        type == TYPE_NUMERIC ? precision_->value() : 0, list_->CurrentRow());
}

// Every row's record takes the row index as its position.
void CDovaneParamEdit::StoreAllRows()
{
    StoreCurrentFields();
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        const tagPARAM* record = Store().ParamAt(list_->RecordOfRow(row));
        if (record)
            Store().UpdateParam(list_->RecordOfRow(row), record->PROPERTY_NAME, record->TYPE_ID,
                                int(record->PRESCISION), row);
    }
}

// Names must be unique and usable by the query engine; the first bad row becomes current.
bool CDovaneParamEdit::NamesUsable()
{
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        const int index = list_->RecordOfRow(row);
        const tagPARAM* record = Store().ParamAt(index);
        if (!record || record->PROPERTY_NAME.empty())
            continue;
        std::string problem = ParamNameProblem(record->PROPERTY_NAME);
        std::string caption;
        if (problem.empty() && !Store().IsParamNameUnique(index)) {
            problem = kDuplicateName;
            caption = record->PROPERTY_NAME;
        }
        if (!problem.empty()) {
            MessageBox(problem, caption, caption.empty() ? MB_OK | MB_ICONWARNING : MB_OK, this);
            MakeRowCurrent(row);
            LoadCurrentParam();
            FocusName();
            return false;
        }
    }
    return true;
}

void CDovaneParamEdit::FocusName()
{
    name_->setFocus();
    name_->selectAll();
}

std::string CDovaneParamEdit::CandidateName() const
{
    for (int suffix = 0;; ++suffix) {
        const QString candidate =
            suffix == 0 ? QStringLiteral("New Parameter") : QStringLiteral("New Parameter%1").arg(suffix);
        bool taken = false;
        for (int row = 0; row < list_->topLevelItemCount() && !taken; ++row)
            taken = list_->topLevelItem(row)->text(0).compare(candidate, Qt::CaseInsensitive) == 0;
        if (!taken)
            return candidate.toStdString();
    }
}

void CDovaneParamEdit::OnAdd()
{
    StoreCurrentFields();
    Store().AddParam(CandidateName(), TYPE_ALPHANUMERIC, 0);
    FillList(false);
    MakeRowCurrent(list_->topLevelItemCount() - 1);
    LoadCurrentParam();
    SetModified(true);
    FocusName();
}

void CDovaneParamEdit::OnDelete()
{
    const int row = list_->CurrentRow();
    const int index = currentRecord_;
    const tagPARAM* record = Store().ParamAt(index);
    if (!record)
        return;
    const int32_t position = record->SORT_ORDER;
    if (record->state != RecordNew &&
        MessageBox(kDeleteQuestion, {}, MB_YESNO | MB_ICONQUESTION, this) != IDYES)
        return;
    if (!Store().DeleteParam(index))
        return;
    const CParamArray& params = Store().Params();
    for (size_t other = 0; other < params.size(); ++other) {
        if (!IsRemoved(params[other].state) && params[other].SORT_ORDER > position)
            Store().SetParamOrder(int(other), params[other].SORT_ORDER - 1);
    }
    FillList(true);
    const int count = list_->topLevelItemCount();
    if (count > 0) {
        MakeRowCurrent(std::min(row, count - 1));
        LoadCurrentParam();
    } else {
        MakeRowCurrent(-1);
        precision_->setEnabled(false);
    }
    SetModified(true);
}

void CDovaneParamEdit::OnUp()
{
    const int row = list_->CurrentRow();
    if (row <= 0)
        return;
    StoreCurrentFields();
    list_->SetDragSource(row);
    list_->SetDropTarget(row - 1);
    list_->DropRow();
}

void CDovaneParamEdit::OnDown()
{
    const int row = list_->CurrentRow();
    if (row < 0 || row >= list_->topLevelItemCount() - 1)
        return;
    StoreCurrentFields();
    list_->SetDragSource(row);
    list_->SetDropTarget(row + 2);
    list_->DropRow();
}

// Renumbers the positions between the moved record's old and new place.
void CDovaneParamEdit::OnRowMoved(int, int to)
{
    const int moved = list_->RecordOfRow(to);
    const tagPARAM* record = Store().ParamAt(moved);
    if (!record)
        return;
    const int32_t from = record->SORT_ORDER;
    const CParamArray& params = Store().Params();
    for (size_t index = 0; index < params.size(); ++index) {
        const tagPARAM& other = params[index];
        if (IsRemoved(other.state) || int(index) == moved)
            continue;
        if (from < to && other.SORT_ORDER >= from && other.SORT_ORDER <= to)
            Store().SetParamOrder(int(index), other.SORT_ORDER - 1);
        else if (from > to && other.SORT_ORDER >= to && other.SORT_ORDER <= from)
            Store().SetParamOrder(int(index), other.SORT_ORDER + 1);
    }
    Store().SetParamOrder(moved, to);
    MakeRowCurrent(to);
    LoadCurrentParam();
    SetModified(true);
    FocusName();
}

void CDovaneParamEdit::OnRowClicked(int row)
{
    if (row < 0)
        return;
    MakeRowCurrent(row);
    LoadCurrentParam();
    FocusName();
}

void CDovaneParamEdit::OnNameEdited(const QString& text)
{
    if (QTreeWidgetItem* item = list_->topLevelItem(list_->CurrentRow()))
        item->setText(0, text);
    StoreCurrentFields();
    SetModified(true);
}

void CDovaneParamEdit::OnNameFocusLost()
{
    if (!name_->isEnabled() || list_->topLevelItemCount() == 0)
        return;
    if (name_->text().isEmpty()) {
        MessageBox(kEnterName, {}, MB_OK, this);
        name_->setFocus();
        return;
    }
    StoreCurrentFields();
}

bool CDovaneParamEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == name_ && event->type() == QEvent::FocusOut && isVisible())
        OnNameFocusLost();
    return CDovaneEdit::eventFilter(watched, event);
}

void CDovaneParamEdit::OnTypeChosen(int index)
{
    if (loading_ || currentRecord_ < 0 || index + 1 == currentType_)
        return;
    if (MessageBox(kTypeQuestion, {}, MB_YESNO | MB_ICONQUESTION, this) != IDYES) {
        type_->setCurrentIndex(currentType_ - 1);
        return;
    }
    const int row = list_->CurrentRow();
    const int type = index + 1;
    Store().SetParamType(currentRecord_, type);
    loading_ = true;
    precision_->setValue(0);
    loading_ = false;
    StoreCurrentFields();
    FillList(false);
    MakeRowCurrent(row);
    LoadCurrentParam();
    SetModified(true);
}

void CDovaneParamEdit::OnPrecisionChanged(int)
{
    if (loading_)
        return;
    StoreCurrentFields();
    SetModified(true);
}

void CDovaneParamEdit::OnPickColour(bool text)
{
    const tagPARAM* record = Store().ParamAt(currentRecord_);
    if (!record)
        return;
    COLORREF colour = text ? record->textColour : record->backgroundColour;
    if (ChooseColour(colour, this))
        SetRowColour(colour, text);
}

bool CDovaneParamEdit::SaveToDataset()
{
    StoreAllRows();
    return Store().SaveParams();
}

void CDovaneParamEdit::Save()
{
    if (!IsModified())
        return;
    StoreAllRows();
    if (!NamesUsable())
        return;
    // An empty list is saved too: it is how all parameters are deleted.
    if (list_->topLevelItemCount() > 0 && name_->text().isEmpty()) {
        MessageBox(kEmptyName, {}, MB_OK, this);
        FocusName();
        return;
    }
    if (!SaveToDataset())
        return;
    const int row = list_->CurrentRow();
    name_->clear();
    FillTypeCombo();
    FillList(false);
    if (row >= 0 && row < list_->topLevelItemCount()) {
        MakeRowCurrent(row);
        LoadCurrentParam();
    }
    SetModified(false);
}

bool CDovaneParamEdit::OnCommand(int command)
{
    if (command == ID_PARAMS_SAVE) {
        Save();
        return true;
    }
    return CDovaneEdit::OnCommand(command);
}

bool CDovaneParamEdit::CanLeave(bool prompt)
{
    StoreCurrentFields();
    if (!NamesUsable())
        return false;
    if (name_->text().isEmpty() && list_->topLevelItemCount() > 0) {
        MessageBox(kEnterName, {}, MB_OK, this);
        FocusName();
        return false;
    }
    if (!IsModified())
        return true;
    const int answer = AskSaveChanges(prompt, kSaveQuestion);
    if (answer == IDCANCEL)
        return false;
    if (answer == IDYES) {
        // A refused or failed write keeps the user here with the changes.
        if (!SaveToDataset())
            return false;
        Store().LoadParams();
    }
    SetModified(false);
    return true;
}

void CDovaneParamEdit::Reload()
{
    name_->clear();
    FillTypeCombo();
    Store().LoadParams();
    FillList(false);
    if (list_->topLevelItemCount() > 0) {
        MakeRowCurrent(0);
        LoadCurrentParam();
    }
    add_->setFocus();
    if (name_->isEnabled())
        name_->setFocus();
    SetModified(false);
}

void CDovaneParamEdit::ClearScreen()
{
    SetModified(false);
    list_->clear();
    name_->clear();
    currentRecord_ = -1;
    FillList(false);
}

void CDovaneParamEdit::StartRowBlink()
{
    StopBlinkTimer();
    list_->SetBlink(true);
    StartBlinkTimer();
}

void CDovaneParamEdit::StopRowBlink()
{
    StopBlinkTimer();
    list_->SetBlink(false);
}

void CDovaneParamEdit::OnBlinkTick() { list_->RedrawCurrentRow(); }

void CDovaneParamEdit::SetRowColour(COLORREF colour, bool text)
{
    if (!Store().SetParamColour(currentRecord_, colour, text))
        return;
    list_->RedrawCurrentRow();
    SetModified(true);
}
