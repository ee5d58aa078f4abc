#include "design/members.h"

namespace holvane::design {

namespace {

ButtonConfig item(const char *name, const char *caption)
{
    return { name, caption, ButtonRole::Item };
}

std::vector<ButtonConfig> column(std::vector<ButtonConfig> items, const char *query = "SButton2")
{
    items.push_back({ query, "结果查询", ButtonRole::Query });
    items.push_back({ "SB_Close", "关闭", ButtonRole::Close });
    return items;
}

PictureConfig formulaPicture(const char *name)
{
    return { name, "公式图", "公式说明", "公式说明" };
}

CategoryConfig headingWithValues(const char *heading, std::vector<const char *> fields)
{
    CategoryConfig category { heading, {}, false };
    for (const char *field : fields)
        category.lines.push_back({ "", field });
    return category;
}

CategoryConfig singleLine(const char *heading, std::vector<const char *> fields)
{
    CategoryConfig category = headingWithValues(heading, std::move(fields));
    category.singleLine = true;
    return category;
}

void stageButtons(StageConfig &stage, const char *compute, const char *clear, const char *save, const char *back)
{
    stage.compute = compute;
    stage.clear = clear;
    stage.save = save;
    stage.back = back;
}

// The settings the four positioning windows share.
MemberConfig positioning(const char *window, const char *caption, const char *title)
{
    MemberConfig m;
    m.window = window;
    m.caption = caption;
    m.title = title;
    m.taskName = title;
    m.notebook = "Notebook1";
    m.completenessCheck = false;
    m.characterFilter = true;
    m.clearKeepsMemo = true;
    m.positioningRow0Font = true;
    m.designerLabel = "设   计   者：";
    m.blankAfterDesigner = true;
    m.failureMessage = "输入数值超出计算范围，请重新输入!";
    return m;
}

StageConfig positioningStage(const char *page, const char *button, const char *tableComponent, const char *table)
{
    StageConfig s;
    s.page = page;
    s.itemButton = button;
    s.tableComponent = tableComponent;
    s.dataSource = "DataSource1";
    s.table = table;
    s.itemGrid = "DBGrid1";
    s.itemHeading = "公式类别";
    s.itemTitles = false;
    s.columns = { { "计算项目", 0 } };
    s.resultMemo = "Memo2";
    stageButtons(s, "SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton9");
    s.category = singleLine("类    别：", { "计算项目" });
    return s;
}

MemberConfig taperMandrel()
{
    MemberConfig m = positioning("TZD_Form", "锥度心轴设计与计算", "锥度心轴尺寸计算");
    m.buttons = column({ item("SButton1", "锥度心轴") });
    StageConfig s = positioningStage("RD1_Page", "SButton1", "Table1", "T1-1-3-1.db");
    s.formulaField = "计算公式";
    s.formulaPosition = -1;
    s.gridWidth0 = 60;
    s.pictures = { { "DBImage1", "公式图", "公式说明", "公式说明" }, { "Image2", "", "放大图形", "示意图" } };
    s.references = { { "Table2", "T1-1-3-2.db", "ZD3_DBGrid", "导向尺寸F", "参数:K" },
        { "Table3", "T1-1-3-3.db", "ZD2_DBGrid", "心轴总长L", "" } };
    m.stages = { s };
    return m;
}

MemberConfig vBlock()
{
    MemberConfig m = positioning("TVXK_Form", "V形块设计与计算", "V形块尺寸计算");
    m.completenessCheck = true;
    m.buttons = column({ item("SButton1", "V形块") });
    StageConfig s = positioningStage("RD1_Page", "SButton1", "Table1", "T1-1-5.db");
    s.formulaPosition = 1;
    s.pictures = { { "DBImage1", "公式图", "公式说明", "公式说明" }, { "Image2", "", "放大图形", "" } };
    m.stages = { s };
    return m;
}

MemberConfig specialSurfaces()
{
    MemberConfig m = positioning("TTSBM_Form", "特殊表面定位设计与计算", "特殊表面定位计算");
    m.formulaLabel = "公式:";
    m.multiStage = true;
    m.hook = MemberHook::GearMenu;
    m.buttons = column({ item("SButton1", "V形导轨槽"), item("SButton2", "齿形表面"),
                           { "SpeedButton6", "直齿圆柱齿轮", ButtonRole::Choice },
                           { "SpeedButton7", "斜齿圆柱齿轮", ButtonRole::Choice },
                           { "SpeedButton8", "直齿圆锥齿轮", ButtonRole::Choice } },
        "SButton3");
    StageConfig groove = positioningStage("RD3_Page", "SButton1", "CX_Table", "TSBM.db");
    groove.conditionPosition = 1;
    groove.pictures
        = { { "DBImage2", "公式图", "公式说明", "公式说明" }, { "DBImage1", "示意图", "示意图", "示意图" } };
    StageConfig gears = groove;
    gears.itemButton = "SButton2";
    gears.table.clear();
    gears.choicePanel = "SecondPanel";
    gears.choices = { { "SpeedButton6", "直齿圆柱齿轮", "T1-1-6.db", "Image2" },
        { "SpeedButton7", "斜齿圆柱齿轮", "T1-1-7.db", "Image4" },
        { "SpeedButton8", "直齿圆锥齿轮", "T1-1-8.db", "Image5" } };
    gears.pictures = { { "DBImage2", "公式图", "公式说明", "公式说明" }, { "Image2", "", "放大图形", "示意图" },
        { "Image4", "", "放大图形", "示意图" }, { "Image5", "", "放大图形", "示意图" } };
    m.stages = { groove, gears };
    return m;
}

MemberConfig combinedSurfaces()
{
    MemberConfig m = positioning("TZH_Form", "组合表面定位", "组合表面定位计算");
    m.formulaLabel = "公式:";
    m.multiStage = true;
    m.hook = MemberHook::PinStages;
    m.buttons = column({ item("SButton1", "削边销"), item("SButton2", "定位销") }, "SButton3");
    StageConfig relieved = positioningStage("RD1_Page", "SButton1", "XBX_Table", "T1-1-9-1.db");
    relieved.back = "SpeedButton7";
    relieved.conditionPosition = 1;
    relieved.pictures = { { "DBImage1", "公式图", "公式说明", "公式说明" }, { "Image2", "", "放大图形", "示意图" } };
    relieved.references = { { "XBX1_Table", "T1-1-9-2.db", "XBX1_DBGridEh", "削边销宽度", "参数:D2" } };
    StageConfig pin = relieved;
    pin.itemButton = "SButton2";
    pin.table = "ZHBM.db";
    pin.references.clear();
    pin.pictures = { { "DBImage1", "公式图", "公式说明", "公式说明" }, { "DBImage2", "简图", "示意图", "示意图" } };
    m.stages = { relieved, pin };
    return m;
}

// The force, clamping-mechanism and chuck windows: the frame's own settings.
MemberConfig clamping(const char *window, const char *caption, const char *title)
{
    MemberConfig m;
    m.window = window;
    m.caption = caption;
    m.title = title;
    m.taskName = caption;
    return m;
}

StageConfig stage(const char *page, const char *button, const char *tableComponent, const char *table,
    int formulaPosition, const char *itemGrid)
{
    StageConfig s;
    s.page = page;
    s.itemButton = button;
    s.tableComponent = tableComponent;
    s.dataSource = std::string("DataSource") + (tableComponent + 5);
    s.table = table;
    s.formulaPosition = formulaPosition;
    s.itemGrid = itemGrid;
    return s;
}

MemberConfig clampingForce()
{
    MemberConfig m = clamping("TF_Jiajinli", "典型夹紧力计算", "典型夹紧力计算");
    m.buttons = column({ item("SButton1", "夹紧力计算") });
    StageConfig s = stage("W0", "SButton1", "TableW", "B1-2-11.DB", 3, "DBGridW");
    s.columns = { { "定位形式", 169 }, { "夹紧形式", 199 } };
    s.pictures = { { "DBImage1", "计算简图", "计算简图", "计 算 简 图" }, formulaPicture("DBImage2") };
    s.emptyFormulaMessage = "没有公式，请看公式说明！";
    s.emptyFormulaDisablesPicture = true;
    s.category = { "计算类别：", { { "定位形式：", "定位形式" }, { "夹紧形式：", "夹紧形式" } }, false };
    m.stages = { s };
    return m;
}

MemberConfig clampingError()
{
    MemberConfig m = clamping("TF_Jiajinwucha", "接触变形的计算", "接触变形的计算");
    m.buttons = column({ item("SButton1", "接触变形") });
    StageConfig s = stage("W0", "SButton1", "TableW", "B1-2-13-0.DB", 1, "DBGridW");
    s.columns = { { "定位夹紧方式", 416 } };
    s.pictures = { formulaPicture("DBImage2") };
    s.references = { { "Table1", "B1-2-13.DB", "DBGrid1", "固定支承有关计算系数" },
        { "Table2", "B1-2-14.DB", "DBGrid2", "V形块有关计算系数" },
        { "Table3", "B1-2-15.DB", "DBGridEh1", "顶尖间计算系数c" } };
    s.firstTab = 1;
    s.emptyFormulaMessage = "没有公式，请看公式说明！";
    s.category = headingWithValues("计算类别：", { "定位夹紧方式" });
    m.stages = { s };
    return m;
}

MemberConfig cuttingForce()
{
    MemberConfig m = clamping("TF_Qiexueli", "切削力计算", "切 削 力 计 算");
    m.multiStage = true;
    m.hook = MemberHook::CuttingRadio;
    m.buttons = column(
        { item("SButton1", "车削切削力"), item("SpeedButton1", "钻削切削力"), item("SpeedButton2", "铣削切削力") });
    const auto materials = [](const char *heading, const char *third, bool choice) {
        CategoryConfig c { heading, {}, false };
        if (choice)
            c.lines.push_back({ "@choice", "" });
        c.lines.push_back({ "工件材料：", "工件材料" });
        c.lines.push_back({ "刀具材料：", "刀具材料" });
        c.lines.push_back({ std::string(third) + "：", third });
        return c;
    };
    StageConfig turning = stage("Fc", "SButton1", "TableFc", "", 3, "DBGridFc");
    turning.choicePanel = "FirstPanel";
    turning.choices = { { "RadioButton1", "圆周分力Fc", "B1-2-3Fc.DB", "" },
        { "RadioButton4", "径向分力Fp", "B1-2-3Fp.DB", "" }, { "RadioButton5", "轴向分力Ff", "B1-2-3Ff.DB", "" } };
    turning.columns = { { "工件材料", 0 }, { "刀具材料", 0 }, { "加工方式", 0 } };
    turning.pictures = { formulaPicture("DBImage3") };
    turning.references = { { "TableKmp", "B1-2-4.DB", "DBGridEhKmp", "Kmp值", "参数:Kmp" },
        { "Tablen", "B1-2-5.DB", "DBGridEhn", "指数n值", "参数:n" },
        { "TableK", "B1-2-6.DB", "DBGridEhk", "系数Kkrp,Kγ0p,Kλsp,Krp值", "" } };
    stageButtons(turning, "SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton13");
    turning.resultMemo = "Memo2";
    turning.category = materials("车削切削力计算类别：", "加工方式", true);

    StageConfig drilling = stage("M", "SpeedButton1", "TableM", "", 3, "DBGridM");
    drilling.choicePanel = "Panel17";
    drilling.choices
        = { { "RadioButton2", "切削力矩M", "B1-2-7M.DB", "" }, { "RadioButton6", "切削力Ff", "B1-2-7Ff.DB", "" } };
    drilling.columns = turning.columns;
    drilling.pictures = { formulaPicture("DBImage1") };
    drilling.references = { { "TableKp", "B1-2-8Kp.DB", "DBGridEhKp", "Kp值", "参数:Kp" } };
    drilling.grid = "StringGrid2";
    stageButtons(drilling, "SpeedButton6", "SpeedButton7", "SpeedButton8", "SpeedButton14");
    drilling.resultMemo = "Memo3";
    drilling.category = materials("钻削切削力计算类别：", "加工方式", true);

    StageConfig milling = stage("XF", "SpeedButton2", "TableF", "B1-2-9F.DB", 3, "DBGridF");
    milling.columns = { { "刀具材料", 0 }, { "工件材料", 0 }, { "铣刀类型", 0 } };
    milling.pictures = { formulaPicture("DBImage2") };
    milling.references = { { "TableXF", "B1-2-10.DB", "DBGridEhXF", "Cp值", "参数:Cp", true } };
    milling.grid = "StringGrid3";
    stageButtons(milling, "SpeedButton9", "SpeedButton10", "SpeedButton11", "SpeedButton12");
    milling.resultMemo = "Memo5";
    milling.category = materials("铣削切削力计算类别：", "铣刀类型", false);
    m.stages = { turning, drilling, milling };
    return m;
}

MemberConfig wedge()
{
    MemberConfig m = clamping("TF_Xiexiejiajin", "斜楔夹紧机构", "斜楔夹紧机构");
    m.multiStage = true;
    m.buttons = column(
        { item("SpeedButton1", "主要参数计算"), item("SButton1", "推力分类计算"), item("SpeedButton8", "原动力计算") });
    StageConfig sheji = stage("sheji", "SpeedButton1", "TableSheji", "B1-2-16.DB", 3, "DBGridSheji");
    sheji.itemHeading = "公式类别";
    sheji.columns = { { "计算项目", 150 }, { "符号", 60 }, { "中间公式", 200 } };
    sheji.pictures = { formulaPicture("DBImage4") };
    sheji.grid = "StringGrid2";
    stageButtons(sheji, "SpeedButton2", "SpeedButton6", "SpeedButton7", "SpeedButton12");
    sheji.resultMemo = "Memo3";
    sheji.category = headingWithValues("计算参数：", { "计算项目", "符号" });

    StageConfig thrust = stage("MQ", "SButton1", "TableMQ", "B1-2-17.DB", 6, "DBGridMQ");
    thrust.columns = { { "斜楔夹紧机构形式", 110 }, { "斜楔面形式", 90 }, { "运动形式", 90 }, { "序号", 40 },
        { "增力比ip公式", 140 } };
    thrust.pictures = { { "DBImage1", "简图", "计算简图", "计算简图" }, formulaPicture("DBImage5") };
    stageButtons(thrust, "SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton13");
    thrust.resultMemo = "Memo2";
    thrust.category = headingWithValues("计算类别：", { "斜楔夹紧机构形式", "斜楔面形式", "运动形式" });

    StageConfig force = stage("yuandongli", "SpeedButton8", "TableQ", "B1-2-19.DB", 4, "DBGridQ");
    force.columns = { { "类型", 300 } };
    force.pictures = { { "DBImage2", "斜楔夹紧机构", "斜楔夹紧机构", "斜楔夹紧机构" },
        { "DBImage3", "受力简图", "受力简图", "受力简图" }, formulaPicture("DBImage6") };
    force.memos = { { "DBMemo1", "中间公式", "中间公式" } };
    force.grid = "StringGrid3";
    stageButtons(force, "SpeedButton9", "SpeedButton10", "SpeedButton11", "SpeedButton14");
    force.resultMemo = "Memo4";
    force.category = headingWithValues("原动力计算类别：", { "类型" });
    for (StageConfig *s : { &sheji, &thrust, &force })
        s->initialMemo = "DBMemo2";
    m.stages = { sheji, thrust, force };
    return m;
}

// A stage of a mechanism window that computes the actuating force: a type
// column, the mechanism and force sketches, the formula and a memo field.
StageConfig forceStage(const char *tableComponent, const char *table, int formulaPosition, const char *mechanism,
    const char *formulaImage, const char *memoName, const char *memoField)
{
    StageConfig s = stage("MQ", "SButton1", tableComponent, table, formulaPosition, "DBGridMQ");
    s.columns = { { "类型", 300 } };
    s.pictures = { { "DBImage1", mechanism, mechanism, mechanism }, { "DBImage2", "受力简图", "受力简图", "受力简图" },
        formulaPicture(formulaImage) };
    s.memos = { { memoName, memoField, "中间公式" } };
    stageButtons(s, "SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton1");
    s.resultMemo = "Memo2";
    s.category = headingWithValues("原动力计算类别：", { "类型" });
    return s;
}

MemberConfig screw()
{
    MemberConfig m = clamping("TF_Luoxuanjiajin", "螺旋夹紧机构", "螺旋夹紧机构");
    m.buttons = column({ item("SButton1", "原动力MQ") });
    StageConfig s = forceStage("TableMQ", "B1-2-26.DB", 4, "螺旋夹紧机构", "DBImage3", "DBMemo2", "W0");
    s.category = singleLine("类别：", { "类型" });
    m.stages = { s };
    return m;
}

MemberConfig eccentric()
{
    MemberConfig m = clamping("TF_Pianxinjiajin", "偏心夹紧机构", "偏心夹紧机构");
    m.multiStage = true;
    m.buttons = column({ item("SpeedButton1", "偏心轮参数"), item("SButton1", "原动力MQ") });
    StageConfig sheji = stage("sheji", "SpeedButton1", "TableSheji", "B1-2-33.DB", 3, "DBGridSheji");
    sheji.itemHeading = "公式类别";
    sheji.columns = { { "序号", 40 }, { "计算项目", 150 }, { "符号", 60 } };
    ReferenceConfig types;
    types.tableComponent = "Table1";
    types.table = "B1-2-29.DB";
    types.grid = "DBCtrlGrid1";
    types.cards = { { "DBEdit1", "类型", "类型", false, 4 }, { "DBMemo4", "工作段γ1", "γ1", true, 2 },
        { "DBMemo5", "工作段γ2", "γ2", true, 2 }, { "DBMemo2", "工作特点及使用说明", "工作特点及使用说明", true, 6 } };
    sheji.references = { types };
    sheji.pictures = { formulaPicture("DBImage4") };
    sheji.grid = "StringGrid2";
    stageButtons(sheji, "SpeedButton2", "SpeedButton6", "SpeedButton7", "SpeedButton9");
    sheji.emptyFormulaMessage = "没有计算公式，请看公式说明!";
    sheji.category = headingWithValues("偏心轮参数：", { "计算项目", "符号" });
    StageConfig force = forceStage("TableMQ", "B1-2-34.DB", 3, "偏心夹紧机构", "DBImage3", "DBMemo3", "W0");
    force.back = "SpeedButton8";
    force.category = headingWithValues("原动力MQ 计算类别：", { "类型" });
    m.stages = { sheji, force };
    return m;
}

MemberConfig endFaceCam()
{
    MemberConfig m = clamping("TF_Duanmiantulun", "端面凸轮夹紧机构", "端面凸轮夹紧机构");
    m.designer = "dudoz";
    m.multiStage = true;
    m.buttons = column({ item("SpeedButton1", "夹紧力与行程"), item("SButton1", "原动力MQ") });
    StageConfig w0 = stage("W0", "SpeedButton1", "TableW0", "B1-2-35.DB", 2, "DBGridW0");
    w0.itemHeading = "公式类别";
    w0.columns = { { "计算项目", 150 }, { "符号", 60 } };
    w0.pictures = { formulaPicture("DBImage3"), { "Image2", "", "参数示意图", "参数示意图" } };
    w0.grid = "StringGrid2";
    stageButtons(w0, "SpeedButton2", "SpeedButton6", "SpeedButton7", "SpeedButton8");
    w0.category = headingWithValues("计算类别：", { "计算项目", "符号" });
    StageConfig force = forceStage("TableMQ", "B1-2-36.DB", 3, "端面凸轮夹紧机构", "DBImage4", "DBMemo2", "中间公式");
    force.back = "SpeedButton9";
    m.stages = { w0, force };
    return m;
}

MemberConfig hinge()
{
    MemberConfig m = clamping("TF_Jiaolianjiajin", "铰链夹紧机构", "铰链夹紧机构");
    m.multiStage = true;
    m.buttons = column({ item("SpeedButton1", "主要参数计算"), item("SButton1", "原动力Q") });
    StageConfig w0 = stage("W0", "SpeedButton1", "TableW0", "B1-2-37.DB", 4, "DBGridW0");
    w0.itemHeading = "公式类别";
    w0.columns = { { "序号", 40 }, { "类型", 120 }, { "计算参数", 120 } };
    w0.pictures = { { "DBImage3", "机构简图", "机构简图", "机构简图" }, formulaPicture("DBImage5") };
    w0.grid = "StringGrid2";
    stageButtons(w0, "SpeedButton2", "SpeedButton6", "SpeedButton7", "SpeedButton9");
    w0.category = headingWithValues("主要参数计算类别：", { "类型", "计算参数" });
    StageConfig force = forceStage("TableMQ", "B1-2-38.DB", 4, "铰链夹紧机构", "DBImage4", "DBMemo2", "中间公式");
    force.back = "SpeedButton8";
    m.stages = { w0, force };
    return m;
}

MemberConfig hookPlate()
{
    MemberConfig m = clamping("TF_Gouxingyaban", "钩形压板", "钩 形 压 板");
    m.buttons = column({ item("SButton1", "主要参数计算") });
    StageConfig s = stage("Q", "SButton1", "TableQ", "B1-2-28.DB", 2, "DBGridQ");
    s.itemHeading = "公 式 类 别";
    s.columns = { { "计算项目", 150 }, { "符号", 60 } };
    s.references = { { "Table1", "B1-2-28-1.DB", "DBGridEh1", "选择升程系数K", "参数:k" } };
    s.pictures = { formulaPicture("DBImage1") };
    stageButtons(s, "SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton1");
    s.resultMemo = "Memo2";
    s.category = singleLine("类别：", { "计算项目", "符号" });
    m.stages = { s };
    return m;
}

MemberConfig collet()
{
    MemberConfig m = clamping("TF_Tanxingjiatou", "弹性夹头", "弹 性 夹 头");
    m.designer = "dudoz";
    m.multiStage = true;
    m.buttons = column({ item("SpeedButton1", "尺寸计算"), item("SButton1", "夹紧力计算") });
    StageConfig w0 = stage("W0", "SpeedButton1", "TableW0", "B1-3-1.DB", 1, "DBGridW0");
    w0.itemHeading = "公式类别";
    w0.columns = { { "结构参数", 200 } };
    w0.references = { { "Table1", "B1-3-1-1.DB", "DBGrid1", "有关参数表", "", false, true } };
    w0.pictures = { { "DBImage1", "公式图", "公式说明", "公式说明" }, { "Image2", "", "计算示意图", "" } };
    w0.grid = "StringGrid2";
    stageButtons(w0, "SpeedButton2", "SpeedButton6", "SpeedButton7", "SpeedButton9");
    w0.category = headingWithValues("尺寸计算类别：", { "结构参数" });
    StageConfig mq = stage("MQ", "SButton1", "TableMQ", "B1-3-2.DB", 1, "DBGridMQ");
    mq.columns = { { "类型", 200 } };
    mq.references = { { "Table2", "B1-3-2-1.DB", "DBGrid2", "有关参数表", "参数:K" } };
    mq.pictures = { formulaPicture("DBImage2"), { "Image3", "", "结构图", "结构图" } };
    stageButtons(mq, "SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton8");
    mq.resultMemo = "Memo2";
    mq.category = headingWithValues("夹紧力计算类别：", { "类型" });
    m.stages = { w0, mq };
    return m;
}

MemberConfig thinWalledChuck()
{
    MemberConfig m = clamping("TF_Tanxingpan", "弹性薄壁夹盘", "弹性薄壁夹盘");
    m.buttons = column({ item("SButton1", "主要参数计算") });
    StageConfig s = stage("Sheji", "SButton1", "TableSheji", "B1-3-4.DB", 3, "DBGridSheji");
    s.itemHeading = "公 式 类 别";
    s.columns = { { "序号", 40 }, { "计算项目", 150 }, { "符号", 60 } };
    s.references = { { "Table1", "B1-3-5.DB", "DBGrid1", "系数K1", "参数:K1" },
        { "Table2", "B1-3-6.DB", "DBGridEh1", "系数K2", "参数:K2" },
        { "Table3", "B1-3-7.DB", "DBGridEh2", "系数K3", "参数:K3" },
        { "Table4", "B1-3-8.DB", "DBGrid4", "系数K4", "参数:K4" } };
    s.firstTab = 2;
    s.referenceHeading = "系数K表";
    s.pictures = { formulaPicture("DBImage1"), { "Image2", "", "参数示意图", "参数示意图" } };
    stageButtons(s, "SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton1");
    s.resultMemo = "Memo2";
    s.emptyFormulaMessage = "没有计算公式，请看设计说明！";
    s.category = singleLine("类别：", { "计算项目", "符号" });
    m.stages = { s };
    return m;
}

} // namespace

const std::vector<MemberConfig> &designMembers()
{
    static const std::vector<MemberConfig> members = {
        combinedSurfaces(),
        specialSurfaces(),
        taperMandrel(),
        vBlock(),
        thinWalledChuck(),
        clampingForce(),
        endFaceCam(),
        hookPlate(),
        clampingError(),
        screw(),
        eccentric(),
        cuttingForce(),
        wedge(),
        hinge(),
        collet(),
    };
    return members;
}

const MemberConfig *memberByWindow(std::string_view window)
{
    for (const MemberConfig &member : designMembers())
        if (member.window == window)
            return &member;
    return nullptr;
}

} // namespace holvane::design
