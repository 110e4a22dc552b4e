#include "plugin/KandrelParameters.h"

#include "common/JovCommon.h"
#include "plugin/Velo.h"

namespace kandrel {

namespace {

struct TBandKindRow {
    TParameterKind Kind;
    const char* FieldPart;
    const char* LabelPart;  // the short labels are literal: "Band1Ac" has no space
    float Min, Max;
    float DefaultBand1, DefaultOthers;
};

constexpr TBandKindRow kBandKinds[] = {
    {TParameterKind::Active, " Active", "Ac", 0, 1, 1, 0},
    {TParameterKind::RangeFrom, " Range From", " R", 0, 127, 0, 0},
    {TParameterKind::RangeTo, " Range To", " R", 0, 127, 127, 127},
    {TParameterKind::VelocityMin, " Velocity Min", " V", 0, 127, 0, 0},
    {TParameterKind::VelocityMax, " Velocity Max", " V", 0, 127, 127, 127},
    {TParameterKind::VelocityScale, " Velocity Scale", " V", -100, 100, 0, 0},
    {TParameterKind::ScaleRandom, " Scale Random", " S", 0, 200, 0, 0},
};

std::vector<TKandrelParameter> BuildTable() {
    std::vector<TKandrelParameter> table;
    table.push_back({"Filter Type", "FilterT", 0, 1, 0, 1, 1, 0, TParameterKind::FilterType});
    for (int32_t band = 0; band < TVelo::BandCount; ++band) {
        const std::string prefix = "Band" + IntToText(band + 1, false);
        for (const TBandKindRow& k : kBandKinds)
            table.push_back({prefix + k.FieldPart, prefix + k.LabelPart, k.Min, k.Max, static_cast<int32_t>(k.Min),
                             static_cast<int32_t>(k.Max), band == 0 ? k.DefaultBand1 : k.DefaultOthers, band, k.Kind});
    }
    return table;
}

}  // namespace

const std::vector<TKandrelParameter>& KandrelParameters() {
    static const std::vector<TKandrelParameter> table = BuildTable();
    return table;
}

}  // namespace kandrel
