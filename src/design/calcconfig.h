#pragma once

#include <string>
#include <vector>

// The description of one design calculator. Every member is the same frame
// (DesignCalculatorFrame) filled from one MemberConfig; all names are the
// components' objectNames and the tables' names, texts are the captions the
// user sees (UTF-8).
//
//   MemberConfig      window class, caption, task-page title and defaults, the
//                     left button column, the stages, the report and
//                     compute settings shared by its stages, its hook
//   ├─ ButtonConfig   one button of the left column, top to bottom
//   └─ StageConfig    one calculation stage: page, item button, item table
//      │              and formula field, item grid, grid and button names,
//      │              result memo, empty-formula rule, category lines
//      ├─ ColumnConfig        an item-grid column bound to a descriptor field
//      ├─ PictureConfig       a database picture (field set) or a fixed one
//      ├─ TextMemoConfig      a memo field shown for reading
//      ├─ ReferenceConfig     a reference table beside the parameter grid,
//      │                      with its CoefficientPicker when it has one,
//      │                      or shown as record cards (CardFieldConfig)
//      ├─ ChoiceConfig        item tables chosen by radio or gear buttons
//      └─ CategoryConfig      the report's category lines
//
// Stages that name the same page share its widgets (the positioning windows
// put two stages on one page). A stage without `table` gets its item table
// from its choices, which only the member's hook can make.
namespace holvane::design {

enum class ButtonRole { Item, Query, Close, Choice };

struct ButtonConfig {
    std::string name;
    std::string caption;
    ButtonRole role = ButtonRole::Item;
};

struct ColumnConfig {
    std::string field;
    int width = 0; // 0: fitted to the title
};

struct PictureConfig {
    std::string name;
    std::string field; // empty: a fixed picture of the window
    std::string caption; // of the enlarged picture
    std::string heading; // of its region; empty: none
};

struct TextMemoConfig {
    std::string name;
    std::string field;
    std::string heading;
};

struct CardFieldConfig {
    std::string name;
    std::string field;
    std::string heading;
    bool memo = true; // false: a one-line edit
    int stretch = 1; // share of the card's width
};

struct ReferenceConfig {
    std::string tableComponent;
    std::string table;
    std::string grid;
    std::string tab; // tab title, or the region's heading
    std::string pickerLabel; // "参数:K"; empty: read only
    bool checkEmpty = false; // "没有这类数值!" on an empty cell
    bool slotCount = false; // appends "i(槽数)为：" and the cell to the result memo
    std::vector<CardFieldConfig> cards {}; // shown as record cards instead of a grid
    int cardsInView = 2;
};

struct ChoiceConfig {
    std::string button;
    std::string caption;
    std::string table;
    std::string picture; // a fixed picture the choice shows, if any
};

struct CategoryLine {
    std::string label; // written before the value; "@choice": the chosen choice's caption
    std::string field; // empty: the label alone
};

struct CategoryConfig {
    std::string heading;
    std::vector<CategoryLine> lines;
    bool singleLine = false; // heading and values run together on one line
};

struct StageConfig {
    std::string page;
    std::string itemButton;
    std::string tableComponent;
    std::string dataSource;
    std::string table; // empty: chosen by `choices` through the hook
    int formulaPosition = 3;
    std::string formulaField; // the formula read by name instead of position
    std::string itemGrid;
    std::string itemHeading = "计算条件";
    bool itemTitles = true; // false: the item grid has no title row
    std::vector<ColumnConfig> columns;
    std::vector<PictureConfig> pictures;
    std::vector<TextMemoConfig> memos;
    std::vector<ReferenceConfig> references;
    int firstTab = 0; // the reference tab in front when the window is created
    std::string referenceHeading; // over the reference tabs; empty: none
    std::vector<ChoiceConfig> choices;
    std::string choicePanel;
    std::string initialMemo = "DBMemo1";
    std::string grid = "StringGrid1";
    int gridWidth0 = 64;
    std::string compute = "SpeedButton2";
    std::string clear = "SpeedButton6";
    std::string save = "SpeedButton7";
    std::string back = "SpeedButton1";
    std::string resultMemo = "Memo3";
    std::string emptyFormulaMessage; // empty: an empty formula is listed
    bool emptyFormulaDisablesPicture = false;
    CategoryConfig category;
    int conditionPosition = 0; // the field a saved result records as the item
};

// Behaviour of a member that configuration does not express.
enum class MemberHook {
    None,
    GearMenu, // special surfaces: the gear buttons choose table and picture
    PinStages, // combined surfaces: relieved-pin and locating-pin stages
    CuttingRadio, // cutting force: radio buttons choose the item table
};

struct MemberConfig {
    std::string window;
    std::string caption;
    std::string title;
    std::string taskName;
    std::string designer = "DuDoz";
    std::string taskNumber = "Rw1-1";
    std::string notebook = "Notebook2";
    std::vector<ButtonConfig> buttons;
    std::vector<StageConfig> stages;
    bool multiStage = false; // "确定" only enables the item buttons
    // Compute and report settings shared by the stages.
    bool completenessCheck = true;
    bool characterFilter = false;
    bool clearKeepsMemo = false;
    bool positioningRow0Font = false;
    std::string formulaLabel = "公式：";
    std::string designerLabel = "设计者：";
    bool blankAfterDesigner = false;
    std::string failureMessage = "请输入数值!";
    MemberHook hook = MemberHook::None;
};

} // namespace holvane::design
