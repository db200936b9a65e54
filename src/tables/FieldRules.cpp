#include "tables/FieldRules.h"

#include "tables/SuctionClasses.h"

#include <array>
#include <cmath>
#include <cstring>

namespace {

constexpr NumberRange NotNegative{0.0, Unbounded};
constexpr const char* NotNegativeText = "must not be negative";

constexpr FieldRule Count(const char* field) {
    return {.field = field, .range = NotNegative, .refusal = NotNegativeText};
}
constexpr FieldRule Text(const char* field) {
    return {.field = field};
}

constexpr std::array InsulRules{
    FieldRule{
        .field = "INSULATION", .minLength = 3, .what = "insulation name", .capitalised = true},
    FieldRule{.field = "FACTOR",
              .range = InsulationFactorRange,
              .refusal = "must be above 0 and at most 120"},
    FieldRule{.field = "KU",
              .refusal = "must be K (per inch) or U (whole construction)",
              .letters = "KU"},
};

constexpr std::array ProductRules{
    FieldRule{.field = "PRODUCT", .minLength = 3, .what = "product name", .capitalised = true},
    FieldRule{.field = "FREEZE",
              .range = ProductTemperatureRange,
              .refusal = "must be -50 to 330, the temperatures Product Selection takes"},
    Count("SPA"),
    Count("SPB"),
    Count("LATENT"),
    FieldRule{.field = "HRESP",
              .range = RespirationFactorRange,
              .refusal = "must be 0 to 400 (0 for a product that does not respire)"},
    Text("PKGTYPE"),
    Text("PKGSIZE"),
    Count("GROSS_WT"),
    Count("PKG_WT"),
    Count("PKG_SPA"),
    Count("PKG_BTU"),
    FieldRule{.field = "CALCFLAG", .range = {0, 3}, .refusal = "must be 0, 1, 2 or 3"},
    Text("STORETEMP"),
    Text("STORERH"),
    Text("STORELIFE"),
    Text("CATEG"),
};

constexpr FieldRule Evap{.field = "EVAP",
                         .accepts = IsSuctionClass,
                         .refusal = "is not a suction class (-50, -45 ... -5, 0, 10, 15 ... 70)",
                         .namesValue = true};
constexpr FieldRule Model{.field = "MODEL", .minLength = 1, .what = "model"};

constexpr std::array UnitsRules{
    Model,
    Count("BTUA"),
    Count("BTUB"),
    Count("BTUC"),
    Count("BTUD"),
    Count("BTUE"),
    Count("BTUF"),
    Count("BTUG"),
    Count("BTUH"),
    Count("BTUI"),
    Count("BTUJ"),
    Count("BTUK"),
    Evap,
    FieldRule{.field = "NOMHP",
              .range = {0, Unbounded, true},
              .refusal = "must be above 0: every unit has a nominal horsepower"},
    Text("BRAND"),
    FieldRule{.field = "HFLAG",
              .range = {0, 9},
              .refusal = "must be 0 (semi-hermetic) or 1 to 9 (welded)"},
};

constexpr std::array CoilsRules{
    Model,
    Evap,
    Count("BTUH"),
    Text("STYLE"),
    FieldRule{.field = "FINS", .range = {0, 99}, .refusal = NotNegativeText},
    FieldRule{.field = "AEG",
              .range = {0, 2},
              .refusal = "must be 0 (air), 1 (electric) or 2 (gas) defrost"},
    Text("BRAND"),
};

std::optional<double> NumberOf(ReferenceTable which, const RecordFields& record,
                               const char* field) {
    const std::size_t i = FieldIndexOf(which, field);
    return i < record.numbers.size() ? record.numbers[i] : std::nullopt;
}

std::string Whole(double value) {
    return std::to_string(static_cast<long long>(value));
}

// Shortest text of a stored number: "3", "2.5".
std::string Shortest(double value) {
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

void CapacitiesFallWithAmbient(const RecordFields& record, const RecordFault& fault) {
    for (int j = FirstCapacityField; j < LastCapacityField; ++j) {
        const std::string cooler = CapacityColumnName(j);
        const std::string hotter = CapacityColumnName(j + 1);
        const std::optional<double> a = NumberOf(ReferenceTable::Units, record, cooler.c_str());
        const std::optional<double> b = NumberOf(ReferenceTable::Units, record, hotter.c_str());
        if (a && b && *b > *a)
            fault(FieldRulesOf(ReferenceTable::Units)[static_cast<std::size_t>(j)].field,
                  "capacity rises with ambient: " + Whole(*b) + " is above " + cooler + " " +
                      Whole(*a));
    }
    // Capacities only fall, so a unit with none at 80 F has none anywhere.
    if (const std::optional<double> first = NumberOf(ReferenceTable::Units, record, "BTUA");
        first && *first == 0)
        fault("BTUA", "0: a unit needs a capacity at 80 F ambient at least");
}

void PackagingWithinGrossWeight(const RecordFields& record, const RecordFault& fault) {
    const std::optional<double> gross = NumberOf(ReferenceTable::Product, record, "GROSS_WT");
    const std::optional<double> packaging = NumberOf(ReferenceTable::Product, record, "PKG_WT");
    if (gross && packaging && *packaging > *gross)
        fault("PKG_WT", "packaging of " + Shortest(*packaging) + " lb is heavier than GROSS_WT " +
                            Shortest(*gross) + " lb, the package with its contents");
}

} // namespace

std::span<const FieldRule> FieldRulesOf(ReferenceTable which) {
    switch (which) {
    case ReferenceTable::Insul:
        return InsulRules;
    case ReferenceTable::Product:
        return ProductRules;
    case ReferenceTable::Units:
        return UnitsRules;
    case ReferenceTable::Coils:
        break;
    }
    return CoilsRules;
}

const FieldRule& FieldRuleOf(ReferenceTable which, std::string_view field) {
    return FieldRulesOf(which)[FieldIndexOf(which, field)];
}

std::string NumberFault(const FieldRule& rule, double value) {
    if (rule.range.holds(value) && (rule.accepts == nullptr || rule.accepts(value)))
        return {};
    const std::string refusal = rule.refusal ? rule.refusal : "is out of range";
    return rule.namesValue ? Shortest(value) + " " + refusal : refusal;
}

std::string TextFault(const FieldRule& rule, std::string_view text) {
    if (rule.letters != nullptr) {
        const bool known =
            text.size() == 1 && std::strchr(rule.letters, FoldedCase(text).front()) != nullptr;
        return known ? std::string() : rule.refusal;
    }
    if (text.size() >= static_cast<std::size_t>(rule.minLength))
        return {};
    if (text.empty())
        return std::string("empty ") + rule.what;
    return "\"" + std::string(text) + "\" is too short: at least " +
           std::to_string(rule.minLength) + " characters";
}

void CheckRecordRules(ReferenceTable which, const RecordFields& record, const RecordFault& fault) {
    if (which == ReferenceTable::Units)
        CapacitiesFallWithAmbient(record, fault);
    else if (which == ReferenceTable::Product)
        PackagingWithinGrossWeight(record, fault);
}

bool RecordAcceptable(ReferenceTable which, RecordFields record) {
    const std::span<const FieldRule> rules = FieldRulesOf(which);
    const std::vector<FieldDefinition>& fields = SchemaOf(which).fields;
    bool acceptable = record.numbers.size() == rules.size() && record.texts.size() == rules.size();
    for (std::size_t i = 0; acceptable && i < rules.size(); ++i) {
        if (fields[i].type == 'C') {
            acceptable = TextFault(rules[i], record.texts[i]).empty();
        } else if (record.numbers[i]) {
            const double scale = std::pow(10.0, fields[i].decimals);
            record.numbers[i] = std::round(*record.numbers[i] * scale) / scale;
            acceptable = NumberFault(rules[i], *record.numbers[i]).empty();
        }
    }
    if (acceptable)
        CheckRecordRules(which, record,
                         [&acceptable](const char*, const std::string&) { acceptable = false; });
    return acceptable;
}

std::string FoldedCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
            c = static_cast<char>(byte - 0x20);
        else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) // š œ ž
            c = static_cast<char>(byte - 0x10);
        else if (byte == 0xFF) // ÿ
            c = static_cast<char>(0x9F);
    }
    return folded;
}
