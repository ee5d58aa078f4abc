// A formula that a handbook page writes and a design calculator also computes
// must be the same formula in the same units. Each case below pairs a formula
// as the page shows it with the calculator item that computes it; a new item
// table joins by adding its lines to kAgreements.
#include "formula/formulaevaluator.h"
#include "formulacheck.h"
#include "formulapicture.h"
#include "sourcetext.h"
#include "tablesource.h"

#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using namespace holvane;

namespace {

struct Agreement {
    const char *page;        // text page key: content/myhtm/KEY/KEY.htm
    const char *shown;       // the formula as the page shows it, as plain text
    const char *transcribed; // the page's formula in the calculator's variables, "W=..."
    const char *table;       // item table: content/sjdata/NAME.table
    const char *item;        // the item's formula, exactly as the table holds it
    const char *symbols;     // page symbol = calculator variable, "; " between pairs
};

// The page formulas below are read from the browser's plain text, so an index
// or exponent follows its symbol directly ("φ1", "D2" for D squared). Values
// agree to 1e-7, so a rounded constant (1.5707963 for π/2) still agrees.
const Agreement kAgreements[] = {
    // 典型夹紧力计算
    { "jiajinliqueding", "W = K·F / (f1 + f2)", "W=K*F/(f1+f2)", "B1-2-11", "W=K*F/(f1+f2)",
      "W=W; K=K; F=F; f1=f1; f2=f2" },
    { "jiajinliqueding", "W = (K·F − G·f2) / (f1 + f2)", "W=(K*F-G*f2)/(f1+f2)", "B1-2-11",
      "W=(K*F-G*f2)/(f1+f2)", "W=W; K=K; F=F; G=G; f1=f1; f2=f2" },
    { "kapanjiajinli", "W = K·√((2M/D)2 + Fx2) / (n·f)", "W=K*sqrt(sqr(2*M/D)+sqr(Fx))/(n*f)", "B1-2-11",
      "W=K*sqrt(sqr(2*M/D)+sqr(Fx))/(n*f)", "W=W; K=K; M=M; D=D; Fx=Fx; n=n; f=f" },
    { "zuanxuejiajinli", "W = (K·M − Ff·f2·r2) / (f1·r1 + f2·r2)", "W=(K*M-Ff*f2*r2)/(f1*r1+f2*r2)", "B1-2-11",
      "W=(K*M-Ff*f2*r2)/(f1*r1+f2*r2)", "W=W; K=K; M=M; Ff=Ff; f1=f1; f2=f2; r1=r1; r2=r2" },
    // 斜楔夹紧机构
    { "xiexie", "W = Q / (tan φ1 + tan(α + φ2))", "W=Q/(tan(phi1)+tan(a+phi2))", "B1-2-16",
      "W=Q/(tan(phi1)+tan(a+phi2))", "W=W; Q=Q; φ1=phi1; α=a; φ2=phi2" },
    { "xiexie", "ip0 = W/Q = cot α", "ip0=cot(a)", "B1-2-16", "ip0=cot(a)", "α=a" },
    { "xiexie", "s = L·tan α", "s=L*tan(a)", "B1-2-16", "s=L*tan(a)", "s=s; L=L; α=a" },
    { "xiexie", "W = Q / (tan φ1 + tan(α + φ2))", "W=Q/(tan(phi1)+tan(a+phi2))", "B1-2-17",
      "W=Q/(tan(phi1)+tan(a+phi2))", "W=W; Q=Q; φ1=phi1; α=a; φ2=phi2" },
    { "xiexie", "ip0 = W/Q = cot α", "W=Q*cot(a)", "B1-2-17", "W=Q*cot(a)", "W=W; Q=Q; α=a" },
    { "xiexie", "W = Q / (tan φ1 + tan(α + φ2))", "W=Q/(tan(phi1)+tan(a+phi2))", "B1-2-19",
      "Q=W*(tan(phi1)+tan(a+phi2))", "W=W; Q=Q; φ1=phi1; α=a; φ2=phi2" },
    { "qigang", "Q = η·p·πD2/4", "Q=eta*p*3.14159265*sqr(Dg)/4", "B1-2-19", "Q=3.14159265/4*sqr(Dg)*p*eta",
      "Q=Q; η=eta; p=p; D=Dg" },
    { "mocaxishu", "φ = arctan f", "phi=arctan(f)", "B1-2-16", "phi=arctan(f)", "φ=phi; f=f" },
    // 锥度心轴的尺寸计算
    { "zhuiduxinzhou", "dM1 = Hmax + 0.25TH", "dM1=Hmax+0.25*TH", "T1-1-3-1", "dM1=Hmax+0.25*TH",
      "dM1=dM1; Hmax=Hmax; TH=TH" },
    { "zhuiduxinzhou", "dM2 = Hmin − 0.25TH", "dM2=Hmin-0.25*TH", "T1-1-3-1", "dM2=Hmin-0.25*TH",
      "dM2=dM2; Hmin=Hmin; TH=TH" },
    { "zhuiduxinzhou", "LK = (dM1 − dM2)/K", "LK=(dM1-dM2)/K", "T1-1-3-1", "LK=(dM1-dM2)/K",
      "LK=LK; dM1=dM1; dM2=dM2; K=K" },
    { "zhuiduxinzhou", "ΔN = TH/K", "dNax=TH/K", "T1-1-3-1", "dNax=TH/K", "ΔN=dNax; TH=TH; K=K" },
    // 特殊表面定位
    { "teshubiaomian", "ΔH = TB / (2tan(α/2))", "dHv=TB/(2*tan(alf/2))", "TSBM", "dHv=TB/(2*tan(alf/2))",
      "ΔH=dHv; TB=TB; α=alf" },
    // V形块尺寸计算
    { "vxingkuaiwucha", "ΔD = Td / (2sin(α/2))", "dVax=Td/(2*sin(alf/2))", "T1-1-5", "dVax=Td/(2*sin(alf/2))",
      "ΔD=dVax; Td=Td; α=alf" },
    { "vxingkuaiwucha", "ΔD = (Td/2)·(1/sin(α/2) + 1)", "dVtop=Td/2*(1/sin(alf/2)+1)", "T1-1-5",
      "dVtop=Td/2*(1/sin(alf/2)+1)", "ΔD=dVtop; Td=Td; α=alf" },
    { "vxingkuaiwucha", "ΔD = (Td/2)·(1/sin(α/2) − 1)", "dVbot=Td/2*(1/sin(alf/2)-1)", "T1-1-5",
      "dVbot=Td/2*(1/sin(alf/2)-1)", "ΔD=dVbot; Td=Td; α=alf" },
    // 组合表面定位
    { "xiaokongwucha", "ΔY = TH + Td + Xmin = Xmax", "dYany=TH+Td+Xmin", "ZHBM", "dYany=TH+Td+Xmin",
      "ΔY=dYany; TH=TH; Td=Td; Xmin=Xmin" },
    { "xiaokongwucha", "ΔY = (TH + Td)/2", "dYone=(TH+Td)/2", "ZHBM", "dYone=(TH+Td)/2", "ΔY=dYone; TH=TH; Td=Td" },
    { "yimianliangxiao", "X1min = H1min − d1max", "X1min=D1-d1max", "T1-1-9-1", "X1min=D1-d1max",
      "H1min=D1; d1max=d1max" },
    { "yimianliangxiao", "a = δLH + δLp − X1min/2", "a2=dLH+dLp-X1min/2", "T1-1-9-1", "a2=dLH+dLp-X1min/2",
      "a=a2; δLH=dLH; δLp=dLp" },
    { "yimianliangxiao", "X2min = 2a·b / H2min", "X2min=2*a2*b/D2", "T1-1-9-1", "X2min=2*a2*b/D2",
      "a=a2; b=b; H2min=D2" },
    { "yimianliangxiao", "Δθ = 60·arctan((X1max + X2max) / (2L))", "dRot=60*arctan((X1max+X2max)/(2*L))",
      "T1-1-9-1", "dRot=60*arctan((X1max+X2max)/(2*L))", "Δθ=dRot; X1max=X1max; X2max=X2max; L=L" },
    // 夹紧误差的估算
    { "jiechubianxing", "y = c·(W/A)m", "y=c*(W/A)^m", "B1-2-13-0", "y=c*(W/A)^m", "y=y; W=W; A=A; m=m" },
    { "jiechubianxing", "Es = 1 / ((1 − ν12)/E1 + (1 − ν22)/E2)", "Es=1/((1-sqr(v1))/E1+(1-sqr(v2))/E2)",
      "B1-2-13-0", "Es=1/((1-sqr(v1))/E1+(1-sqr(v2))/E2)", "Es=Es; ν1=v1; E1=E1; ν2=v2; E2=E2" },
    { "jiechubianxing", "yb = 1000·(9W2/(16R·Es2))1/3", "yb=1000*(9*sqr(W)/(16*R*sqr(Es)))^(1/3)", "B1-2-13-0",
      "yb=1000*(9*sqr(W)/(16*R*sqr(Es)))^(1/3)", "yb=yb; W=W; R=R; Es=Es" },
    // 切削力计算
    { "chexueli", "Fc = 9.81·CFc·apxFc·fyFc·vnFc·KFc", "Fc=9.81*CFc*ap^xFc*f^yFc*v^nFc*Kmp*Kkrp*Kg0p*Klsp*Krp",
      "B1-2-3Fc", "Fc=9.81*CFc*ap^xFc*f^yFc*v^nFc*Kmp*Kkrp*Kg0p*Klsp*Krp",
      "Fc=Fc; CFc=CFc; ap=ap; xFc=xFc; f=f; yFc=yFc; v=v; nFc=nFc" },
    { "zuanxueli", "M = 9.81·CM·d0zM·fyM·KM", "M=9.81*CM*d0^zM*f^yM*Kp", "B1-2-7M", "M=9.81*CM*d0^zM*f^yM*Kp",
      "M=M; CM=CM; d0=d0; zM=zM; f=f; yM=yM; KM=Kp" },
    { "zuanxueli", "Ff = 9.81·CF·d0zF·fyF·KF", "Ff=9.81*CF*d0^zF*f^yF*Kp", "B1-2-7Ff", "Ff=9.81*CF*d0^zF*f^yF*Kp",
      "Ff=Ff; CF=CF; d0=d0; zF=zF; f=f; yF=yF; KF=Kp" },
    { "zuanxueli", "Pc = M·n/9550", "Pc=M*n/9550", "B1-2-7M", "Pc=M*n/9550", "Pc=Pc; M=M; n=n" },
    { "xixueli", "Fc = CF·apxF·fzyF·aeuF·z / (d0qF·nwF)·KFc", "Fc=Cp*ap^xF*fz^yF*ae^uF*z/(d0^qF*n^wF)*KFc",
      "B1-2-9F", "Fc=Cp*ap^xF*fz^yF*ae^uF*z/(d0^qF*n^wF)*KFc",
      "Fc=Fc; ap=ap; fz=fz; ae=ae; z=z; d0=d0; n=n; KFc=KFc" },
    // 螺旋夹紧机构计算
    { "luoxuan", "W0 = Q·L / (r′·tan φ1 + rz·tan(α + φ2′))", "W0=Q*L/(rf*tan(phi1)+rz*tan(a+phi2))", "B1-2-26",
      "Q=W0*(rf*tan(phi1)+rz*tan(a+phi2))/L", "W0=W0; Q=Q; L=L; r′=rf; φ1=phi1; rz=rz; α=a; φ2′=phi2" },
    // 偏心夹紧机构计算
    { "pianxin", "α = arctan(e·sin γ / (R − e·cos γ))", "a=arctan(e*sin(g)/(R-e*cos(g)))", "B1-2-33",
      "a=arctan(e*sin(g)/(R-e*cos(g)))", "α=a; e=e; γ=g; R=R" },
    { "pianxin", "ρ = √(R2 + e2 − 2R·e·cos γ)", "rho=sqrt(sqr(R)+sqr(e)-2*R*e*cos(g))", "B1-2-33",
      "rho=sqrt(sqr(R)+sqr(e)-2*R*e*cos(g))", "ρ=rho; R=R; e=e; γ=g" },
    { "pianxin", "h = e·(1 − cos γ)", "h=e*(1-cos(g))", "B1-2-33", "h=e*(1-cos(g))", "h=h; e=e; γ=g" },
    { "pianxin", "W = Q·L / (ρ·(tan φ1 + tan(α + φ2)))", "W=Q*L/(rho*(tan(phi1)+tan(a+phi2)))", "B1-2-34",
      "W=Q*L/(rho*(tan(phi1)+tan(a+phi2)))", "W=W; Q=Q; L=L; ρ=rho; φ1=phi1; α=a; φ2=phi2" },
    { "pianxin", "W = Q·L / (e·sin γ + f1·(R − e·cos γ) + f0·r0)", "W=Q*L/(e*sin(g)+f1*(R-e*cos(g))+f0*r0)",
      "B1-2-34", "W=Q*L/(e*sin(g)+f1*(R-e*cos(g))+f0*r0)",
      "W=W; Q=Q; L=L; e=e; γ=g; f1=f1; R=R; f0=f0; r0=r0" },
    // 端面凸轮夹紧机构计算
    { "duanmiantulun", "W = Q·L / (rm·tan(α + φ2) + r′·tan φ1)", "W0=Q*L/(rcp*tan(a+phi2)+rf*tan(phi1))",
      "B1-2-35", "W0=Q*L/(rcp*tan(a+phi2)+rf*tan(phi1))",
      "W=W0; Q=Q; L=L; rm=rcp; α=a; φ2=phi2; r′=rf; φ1=phi1" },
    // 铰链夹紧机构计算
    { "jiaolian", "β = arcsin(f·d / L)", "beta=arcsin(f*dp/Lk)", "B1-2-37", "beta=arcsin(f*dp/Lk)",
      "β=beta; f=f; d=dp; L=Lk" },
    { "jiaolian", "W = Q / (tan(α + β) + tan φ2·dr/Dw)", "W=Q/(tan(a+beta)+tan(phi2)*dr/Dw)", "B1-2-37",
      "W=Q/(tan(a+beta)+tan(phi2)*dr/Dw)", "W=W; Q=Q; α=a; β=beta; φ2=phi2; dr=dr; Dw=Dw" },
    { "jiaolian", "W = Q / (2tan(α + β))", "W=Q/(2*tan(a+beta))", "B1-2-37", "W=Q/(2*tan(a+beta))",
      "W=W; Q=Q; α=a; β=beta" },
    { "jiaolian", "W = Q / (2tan(α + β))", "W=Q/(2*tan(a+beta))", "B1-2-38", "Q=2*W*tan(a+beta)",
      "W=W; Q=Q; α=a; β=beta" },
    { "qigang", "Q = η·p·πD2/4", "Q=eta*p*3.14159265*sqr(D)/4", "B1-2-38", "Q=3.14159265/4*sqr(D)*p*eta",
      "Q=Q; η=eta; p=p; D=D" },
    // 钩形压板计算
    { "gouxingyaban", "W = Q / (1 + 3L·f/H)", "W=Q/(1+3*L*f/H)", "B1-2-28", "W=Q/(1+3*L*f/H)",
      "W=W; Q=Q; L=L; f=f; H=H" },
    { "gouxingyaban", "k = W/Q = 1/(1 + 3L·f/H)", "k=1/(1+3*L*f/H)", "B1-2-28", "k=1/(1+3*L*f/H)",
      "L=L; f=f; H=H" },
    // 弹性夹头的设计计算
    { "tanxingjiatou", "W = K·√((2M/D)2 + Fx2) / f", "W=Ks*sqrt(sqr(2*M/D)+sqr(Fx))/f", "B1-3-2",
      "W=Ks*sqrt((2*M/D)^2+Fx^2)/f", "W=W; K=Ks; M=M; D=D; Fx=Fx; f=f" },
    { "tanxingjiatou", "Q = (W + W1)·tan(α + φ1) + W·tan φ2", "Q=(W+W1)*tan(a+phi1)+W*tan(phi2)", "B1-3-2",
      "Q=(W+W1)*tan(a+phi1)+W*tan(phi2)", "Q=Q; W=W; W1=W1; α=a; φ1=phi1; φ2=phi2" },
    { "tanxingjiatou", "W1 = 3E·I·y·n / l3", "W1=3*E*I*y*n/l^3", "B1-3-2", "W1=3*E*I*y*n/l^3",
      "W1=W1; E=E; I=I; y=y; n=n; l=l" },
    { "tanxingjiatou", "I = R3·s·(α1π/180 + sin α1·cos α1 − 2sin2α1/(α1π/180))",
      "I=R^3*s*(a1*3.14159265/180+sin(a1)*cos(a1)-2*sqr(sin(a1))/(a1*3.14159265/180))", "B1-3-1",
      "I=R^3*s*(a1*3.14159265/180+sin(a1)*cos(a1)-2*sin(a1)^2/(a1*3.14159265/180))", "I=I" },
    // 弹性盘的设计计算
    { "tanxingpan", "p0 = 2E·h·ΔD / Dm2", "p0=2*E*h*dD/sqr(Dm)", "B1-3-4", "p0=2*E*h*dD/Dm^2",
      "p0=p0; E=E; h=h; ΔD=dD; Dm=Dm" },
    { "tanxingpan", "Mt = (π/2)·(p − p0)·f·D2·Lc", "Mt=3.14159265/2*(p-p0)*f*sqr(D)*Lc", "B1-3-4",
      "Mt=1.5707963*(p-p0)*f*D^2*Lc", "Mt=Mt; p=p; p0=p0; f=f; D=D; Lc=Lc" },
    { "tanxingpan", "σ = p·Dm / (2h)", "sig=p*Dm/(2*h)", "B1-3-4", "sig=p*Dm/(2*h)", "σ=sig; p=p; Dm=Dm; h=h" },
};

std::string trimmed(const std::string &text)
{
    return std::string(pack::trimSpaces(text));
}

std::vector<std::string> splitList(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        if (!trimmed(part).empty())
            parts.push_back(trimmed(part));
    return parts;
}

// "—" and an empty unit both say the value has none.
std::string normalUnit(std::string unit)
{
    unit = trimmed(unit);
    // The micro sign and the Greek mu look alike; both write µm.
    for (size_t at = unit.find("µ"); at != std::string::npos; at = unit.find("µ"))
        unit.replace(at, std::string("µ").size(), "μ");
    return unit == "—" || unit == "-" ? std::string() : unit;
}

class Messages : public formula::MessageSink {
public:
    void show(const std::string &text) override { m_text += text + " "; }
    const std::string &text() const { return m_text; }

private:
    std::string m_text;
};

struct Item {
    std::string formula;
    std::vector<pack::LegendEntry> legend;
    std::vector<std::string> values;
};

// The row of the item table whose formula cell is `formula`.
bool findItem(const std::string &table, const std::string &formula, Item &item, std::string &error)
{
    const fs::path root = fs::path(HOLVANE_SOURCE_DIR) / "content";
    const fs::path file = root / "sjdata" / (table + ".table");
    pack::SourceText text(root, file);
    pack::TableSource source(text);
    const int formulaColumn = source.columnOfKind(pack::ColumnKind::Formula);
    const int valuesColumn = source.columnOfKind(pack::ColumnKind::Values);
    for (const pack::TableSource::Row &row : source.rows()) {
        std::string cell;
        if (formulaColumn < 0 || formulaColumn >= int(row.cells.size())
            || !pack::unescapeValue(row.cells[formulaColumn], cell) || cell != formula)
            continue;
        item.formula = cell;
        if (valuesColumn >= 0 && valuesColumn < int(row.cells.size()))
            item.values = splitList(row.cells[valuesColumn], ';');
        for (const std::string &other : row.cells)
            if (other.rfind("legend:", 0) == 0) {
                std::string legend;
                if (!pack::unescapeValue(other.substr(7), legend) || !pack::parseLegend(legend, item.legend, error))
                    return false;
            }
        return true;
    }
    error = "table " + table + " has no item with the formula " + formula;
    return false;
}

struct Page {
    QString plain;                        // whitespace runs made single spaces
    std::map<std::string, std::string> units; // symbol -> unit, from the symbol tables
};

QString singleSpaced(QString text)
{
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

// The page as the text browser shows it, with the units of its symbol tables
// (tables whose first row reads 符号, ..., 单位).
Page readPage(const std::string &key)
{
    const fs::path file = fs::path(HOLVANE_SOURCE_DIR) / "content" / "myhtm" / key / (key + ".htm");
    QTextDocument document;
    document.setHtml(QString::fromStdString(pack::readSourceFile(file, key + ".htm")));
    Page page;
    page.plain = singleSpaced(document.toPlainText());
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table || table->rows() < 2 || table->columns() < 2)
            continue;
        const auto cellText = [table](int row, int column) {
            const QTextTableCell cell = table->cellAt(row, column);
            QTextCursor cursor(table->document());
            cursor.setPosition(cell.firstPosition());
            cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
            return singleSpaced(cursor.selectedText()).trimmed().toStdString();
        };
        int unitColumn = -1;
        for (int c = 0; c < table->columns(); ++c)
            if (cellText(0, c) == "单位")
                unitColumn = c;
        if (cellText(0, 0) != "符号" || unitColumn < 0)
            continue;
        // One row may name several symbols of one unit: "r1, r2".
        for (int r = 1; r < table->rows(); ++r)
            for (const QString &symbol :
                 QString::fromStdString(cellText(r, 0)).split(QRegularExpression(QStringLiteral("[,，、]"))))
                page.units.emplace(symbol.trimmed().toStdString(), cellText(r, unitColumn));
    }
    return page;
}

// Evaluates the right side of `formula` with the shared evaluator of the
// design calculators, each variable taken from `values`.
bool evaluate(const std::string &formula, const std::map<std::string, double> &values, double &result,
              std::string &error)
{
    Messages messages;
    formula::FormulaEvaluator evaluator(formula::EvaluatorProfile::shared(), messages);
    evaluator.Tokenize(pack::rightSide(formula));
    formula::ListValueGrid grid;
    for (const std::string &name : evaluator.variableNames()) {
        const auto found = values.find(name);
        if (found == values.end()) {
            error = formula + ": no value for " + name;
            return false;
        }
        std::ostringstream text;
        text.precision(17);
        text << found->second;
        grid.addRow(name, text.str());
    }
    if (!evaluator.BindVariables(grid) || !evaluator.Evaluate(result)) {
        error = formula + ": " + messages.text();
        return false;
    }
    return true;
}

std::string leftSide(const std::string &formula)
{
    return trimmed(formula.substr(0, formula.find('=')));
}

// The item's variables at its initial values, each scaled by `factor`, and
// the item's result beside them.
bool itemValues(const Item &item, double factor, std::map<std::string, double> &values, std::string &error)
{
    Messages messages;
    formula::FormulaEvaluator evaluator(formula::EvaluatorProfile::shared(), messages);
    evaluator.Tokenize(pack::rightSide(item.formula));
    const std::vector<std::string> names = evaluator.variableNames();
    if (names.size() > item.values.size()) {
        error = item.formula + ": fewer initial values than variables";
        return false;
    }
    values.clear();
    for (size_t i = 0; i < names.size(); ++i)
        values[names[i]] = std::stod(item.values[i]) * factor;
    double result = 0;
    if (!evaluate(item.formula, values, result, error))
        return false;
    values[leftSide(item.formula)] = result;
    return true;
}

void PrintTo(const Agreement &a, std::ostream *out)
{
    *out << a.page << " \"" << a.shown << "\" / " << a.table << " " << a.item;
}

class FormulaAgreement : public testing::TestWithParam<Agreement> {};

TEST_P(FormulaAgreement, PageAndCalculatorAgree)
{
    const Agreement &a = GetParam();
    // The calculators' item tables arrive one by one; a case runs once its
    // table is there.
    if (!fs::exists(fs::path(HOLVANE_SOURCE_DIR) / "content" / "sjdata" / (std::string(a.table) + ".table")))
        GTEST_SKIP() << "no item table " << a.table << " yet";
    Item item;
    std::string error;
    ASSERT_TRUE(findItem(a.table, a.item, item, error)) << error;
    const Page page = readPage(a.page);
    EXPECT_TRUE(page.plain.contains(QString::fromUtf8(a.shown)))
        << "page " << a.page << " does not show " << a.shown;

    for (const std::string &pair : splitList(a.symbols, ';')) {
        const std::string symbol = trimmed(pair.substr(0, pair.find('=')));
        const std::string variable = trimmed(pair.substr(pair.find('=') + 1));
        const auto unit = page.units.find(symbol);
        ASSERT_NE(unit, page.units.end()) << "page " << a.page << " does not say the unit of " << symbol;
        const auto entry = std::find_if(item.legend.begin(), item.legend.end(),
                                        [&](const pack::LegendEntry &e) { return e.name == variable; });
        ASSERT_NE(entry, item.legend.end()) << a.table << " " << a.item << ": no legend for " << variable;
        EXPECT_EQ(normalUnit(unit->second), normalUnit(entry->unit))
            << a.page << " " << symbol << " against " << a.table << " " << variable;
    }

    // At the item's initial values and away from them, so that a chance
    // agreement at one point does not pass.
    for (const double factor : { 1.0, 1.13 }) {
        std::map<std::string, double> values;
        ASSERT_TRUE(itemValues(item, factor, values, error)) << error;
        double onPage = 0;
        ASSERT_TRUE(evaluate(a.transcribed, values, onPage, error)) << error;
        const std::string result = leftSide(a.transcribed);
        ASSERT_TRUE(values.count(result)) << a.transcribed << ": the item gives no value for " << result;
        EXPECT_NEAR(onPage, values.at(result), 1e-7 * std::max(1.0, std::fabs(onPage)))
            << a.page << " " << a.shown << " against " << a.table << " " << a.item << " (factor " << factor << ")";
    }
}

std::string caseName(const testing::TestParamInfo<Agreement> &info)
{
    std::string name = std::string(info.param.table) + "_" + std::to_string(info.index);
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Handbook, FormulaAgreement, testing::ValuesIn(kAgreements), caseName);

} // namespace
