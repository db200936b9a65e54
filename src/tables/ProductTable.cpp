#include "tables/ProductTable.h"

#include "calc/Numbers.h"
#include "calc/ProductLoad.h"
#include "job/FixedText.h"
#include "tables/FieldRules.h"
#include "tables/FieldText.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

// The slot's product name up to its terminator, blank-padded (or cut) to 32 characters.
std::string SlotKey(const TProductSlot& slot) {
    return FitFieldText(GetText(slot.productName), ProductNameWidth);
}

void SelectNameOrder(Table& product) {
    product.d4tagSelect(product.d4tag(ProductTagName));
}

int32_t RowOf(Table& product, int32_t recNo) {
    int32_t row = 0;
    for (int rc = product.d4top(); rc == r4success; rc = product.d4skip(1), ++row)
        if (product.d4recNo() == recNo)
            return row;
    return 0;
}

std::string Format(const char* format, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// The integer a dialog field's text holds: leading blanks, a sign and digits; 0 otherwise.
int32_t FieldInteger(std::string_view text) {
    const std::string copy(text);
    return TruncateToInt32(std::strtod(copy.c_str(), nullptr));
}

} // namespace

TProductPage PageOfSlot(const TProductSlot& slot) {
    TProductPage page;
    std::memcpy(&page, reinterpret_cast<const char*>(&slot) + offsetof(TProductSlot, enteringTemp),
                sizeof page);
    return page;
}

void StorePageInSlot(TProductSlot& slot, const TProductPage& page) {
    std::memcpy(reinterpret_cast<char*>(&slot) + offsetof(TProductSlot, enteringTemp), &page,
                sizeof page);
}

namespace {

std::string TrimmedText(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The record the slot makes, as the table's rules see it.
RecordFields SlotRecord(const TProductSlot& slot, const std::string& key) {
    const auto text = [](const auto& field) { return TrimmedText(GetText(field)); };
    // Packed members are read by value (the unary plus), never bound to a reference.
    return {{std::nullopt, +slot.freezePoint, +slot.specHeatAbove, +slot.specHeatBelow,
             +slot.latentHeat, +slot.respHeat, std::nullopt, std::nullopt, +slot.grossWeight,
             +slot.pkgWeight, +slot.pkgSpecHeat, +slot.pkgBtu, +slot.calcFlag, std::nullopt,
             std::nullopt, std::nullopt, std::nullopt},
            {TrimmedText(key), "", "", "", "", "", text(slot.pkgType), text(slot.pkgSize), "", "",
             "", "", "", text(slot.storeTemp), text(slot.storeRh), text(slot.storeLife),
             text(slot.category)}};
}

} // namespace

bool AppendProductFromSlot(Table& product, const TProductSlot& slot, std::string& key) {
    if (!key.empty())
        key[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
    if (!RecordAcceptable(ReferenceTable::Product, SlotRecord(slot, key)))
        return false;
    product.d4appendStart(0);
    const bool assigned = product.f4assign("PRODUCT", key) == r4success &&
                          product.f4assignDouble("FREEZE", slot.freezePoint) == r4success &&
                          product.f4assignDouble("SPA", slot.specHeatAbove) == r4success &&
                          product.f4assignDouble("SPB", slot.specHeatBelow) == r4success &&
                          product.f4assignInt("LATENT", slot.latentHeat) == r4success &&
                          product.f4assignDouble("HRESP", slot.respHeat) == r4success &&
                          product.f4assign("PKGTYPE", GetText(slot.pkgType)) == r4success &&
                          product.f4assign("PKGSIZE", GetText(slot.pkgSize)) == r4success &&
                          product.f4assignDouble("GROSS_WT", slot.grossWeight) == r4success &&
                          product.f4assignDouble("PKG_WT", slot.pkgWeight) == r4success &&
                          product.f4assignDouble("PKG_SPA", slot.pkgSpecHeat) == r4success &&
                          product.f4assignDouble("PKG_BTU", slot.pkgBtu) == r4success &&
                          product.f4assignInt("CALCFLAG", slot.calcFlag) == r4success &&
                          product.f4assign("STORETEMP", GetText(slot.storeTemp)) == r4success &&
                          product.f4assign("STORERH", GetText(slot.storeRh)) == r4success &&
                          product.f4assign("STORELIFE", GetText(slot.storeLife)) == r4success &&
                          product.f4assign("CATEG", GetText(slot.category)) == r4success;
    const bool added = assigned && product.d4append() == r4success;
    product.d4top();
    return added;
}

namespace {

// Adds the slot's product unless another writer added it meanwhile (the table is read again
// under its lock). True when positioned on it.
bool AddProductOnce(Table& product, const TProductSlot& slot, std::string& key) {
    if (product.d4lockAll() != r4success)
        return false;
    const bool found =
        product.d4seek(key) == r4success ||
        (AppendProductFromSlot(product, slot, key) && product.d4seek(key) == r4success);
    product.d4unlock();
    return found;
}

} // namespace

void LocateProductSlot(Table& product, TProductSlot& slot) {
    SelectNameOrder(product);
    std::string key = SlotKey(slot);
    int32_t recNo = 0;
    if (product.d4seek(key) == r4success)
        recNo = product.d4recNo();
    else if (AddProductOnce(product, slot, key))
        recNo = product.d4recNo();
    else if (product.d4top() == r4success)
        recNo = product.d4recNo();
    slot.recordNo = recNo;
    slot.listIndex = RowOf(product, recNo);
}

void ReadProductRecord(const Table& product, TProductSlot& slot) {
    SetPadded(slot.productName, product.f4str("PRODUCT"), ProductNameWidth);
    slot.freezePoint = product.f4double("FREEZE");
    slot.specHeatAbove = product.f4double("SPA");
    slot.specHeatBelow = product.f4double("SPB");
    slot.latentHeat = product.f4int("LATENT");
    slot.respHeat = product.f4double("HRESP");
    SetPadded(slot.pkgType, product.f4str("PKGTYPE"), 25);
    SetPadded(slot.pkgSize, product.f4str("PKGSIZE"), 28);
    slot.grossWeight = product.f4double("GROSS_WT");
    slot.pkgWeight = product.f4double("PKG_WT");
    slot.pkgSpecHeat = product.f4double("PKG_SPA");
    slot.pkgBtu = product.f4double("PKG_BTU");
    slot.calcFlag = product.f4int("CALCFLAG");
    SetPadded(slot.storeTemp, product.f4str("STORETEMP"), 7);
    SetPadded(slot.storeRh, product.f4str("STORERH"), 7);
    SetPadded(slot.storeLife, product.f4str("STORELIFE"), 16);

    const double quantity = slot.quantity;
    switch (slot.calcFlag) {
    case 0:
        slot.productWeight = 0;
        break;
    case 1:
        slot.productWeight = slot.quantity;
        break;
    case 2:
        slot.productWeight = TruncateToInt32(
            static_cast<double>(TruncateToInt32(slot.grossWeight - slot.pkgWeight)) * quantity);
        break;
    case 3:
        slot.productWeight =
            TruncateToInt32(static_cast<double>(TruncateToInt32(slot.grossWeight)) * quantity);
        break;
    default:
        break;
    }
}

void CommitProductPage(Table& product, TProductSlot& slot, const TProductPage& page) {
    StorePageInSlot(slot, page);
    const int32_t recordNo = slot.recordNo;
    // A record the table no longer has (it shrank since the job was saved) empties the slot;
    // nothing is then read from the table.
    if (recordNo < 1 || recordNo > product.d4recCountDo() || product.d4go(recordNo) != r4success) {
        ClearProductSlot(slot);
        return;
    }
    ReadProductRecord(product, slot);
    if (std::strncmp(slot.productName, "None", 4) == 0)
        ClearProductSlot(slot);
}

std::vector<ProductListRow> ProductListRows(Table& product) {
    SelectNameOrder(product);
    std::vector<ProductListRow> rows;
    for (int rc = product.d4top(); rc == r4success; rc = product.d4skip(1))
        rows.push_back({product.f4str("PRODUCT"), product.d4recNo()});
    return rows;
}

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "30-40" as "-1 to 4 \xB0C", "32" as "0 \xB0C"; nothing for any other text.
std::optional<std::string> StorageTemperatureInSi(const std::string& text) {
    const std::string trimmed = Trimmed(text);
    char* end = nullptr;
    const double low = std::strtod(trimmed.c_str(), &end);
    if (end == trimmed.c_str())
        return std::nullopt;
    const auto celsius = [](double f) {
        return static_cast<long>(std::lround(ToSi(Quantity::Temperature, f)));
    };
    if (*end == '\0')
        return Format("%li \xB0"
                      "C",
                      celsius(low));
    if (*end != '-')
        return std::nullopt;
    const char* second = end + 1;
    const double high = std::strtod(second, &end);
    if (end == second || *end != '\0')
        return std::nullopt;
    return Format("%li to %li \xB0"
                  "C",
                  celsius(low), celsius(high));
}

} // namespace

ProductInformation ReadProductInformation(Table& product, int32_t recordNo, UnitSystem units) {
    if (product.d4go(recordNo) != r4success) {
        product.d4bottom();
        product.d4skip(1); // past the last record: every field reads blank
    }
    ProductInformation info;
    info.packageType = Format("%25s", product.f4str("PKGTYPE").c_str());
    info.packageSize = Format("%28s", product.f4str("PKGSIZE").c_str());
    const std::string temp = Format("%13s", product.f4str("STORETEMP").c_str());
    const std::string rh = Format("%7s", product.f4str("STORERH").c_str());
    const std::string life = Format("%16s", product.f4str("STORELIFE").c_str());
    const int32_t mode = product.f4int("CALCFLAG");
    info.countsPackages = mode == 2 || mode == 3;
    const double resp = product.f4double("HRESP");
    info.respirationEnabled = resp > 0.0;
    if (units == UnitSystem::Imperial) {
        info.suggested = Format("Suggested: Temp: %7s  RH:%-7s Life: %16s", temp.c_str(),
                                rh.c_str(), life.c_str());
        info.factors = Format("Factors: %5.2f spa  %5.2f spb %3i latent %5.1f FrzPoint",
                              product.f4double("SPA"), product.f4double("SPB"),
                              product.f4int("LATENT"), product.f4double("FREEZE"));
        info.respiration = info.respirationEnabled ? Format("Suggest %5.2f for Storage", resp)
                                                   : std::string("No resp/fact this Product");
        return info;
    }
    // A quantity in pounds is typed in kg in SI.
    if (!info.countsPackages) {
        const std::size_t pounds = info.packageSize.find("pounds");
        if (pounds != std::string::npos)
            info.packageSize.replace(pounds, 6, "kg    "); // the column keeps its width
    }
    const std::string tempSi = StorageTemperatureInSi(temp).value_or(Trimmed(temp));
    info.suggested = Format("Suggested: Temp: %7s  RH:%-7s Life: %16s", tempSi.c_str(), rh.c_str(),
                            life.c_str());
    info.factors =
        Format("Factors: %5.2f spa  %5.2f spb kJ/(kg\xB7K) %3.0f latent kJ/kg %5.1f FrzPoint \xB0"
               "C",
               ToSi(Quantity::SpecificHeat, product.f4double("SPA")),
               ToSi(Quantity::SpecificHeat, product.f4double("SPB")),
               ToSi(Quantity::LatentHeat, product.f4int("LATENT")),
               ToSi(Quantity::Temperature, product.f4double("FREEZE")));
    info.respiration = info.respirationEnabled ? Format("Suggest %5.1f mW/kg for Storage",
                                                        ToSi(Quantity::Respiration, resp))
                                               : std::string("No resp/fact this Product");
    return info;
}

EstimateOutcome EstimateLbs(Table& product, int32_t recordNo, std::string_view quantityText,
                            int32_t productCapacity) {
    const int32_t shown = FieldInteger(quantityText);
    int32_t mode = 0;
    double gross = 0.0;
    double packaging = 0.0;
    if (product.d4go(recordNo) == r4success) {
        mode = product.f4int("CALCFLAG");
        gross = product.f4double("GROSS_WT");
        packaging = product.f4double("PKG_WT");
    }
    const double capacity = productCapacity;
    int32_t estimate = 0;
    if (mode == 1)
        estimate = productCapacity;
    else if (mode == 2 && gross - packaging > 0.0)
        estimate = TruncateToInt32(capacity / (gross - packaging));
    else if (mode == 3 && gross > 0.0)
        estimate = TruncateToInt32(capacity / gross);
    if (estimate < 0)
        estimate = 0;

    if (estimate == shown)
        return {std::string(), ' '};
    std::string text = Format("%10li", static_cast<long>(estimate));
    text.erase(0, text.find_first_not_of(' '));
    return {text, '*'};
}
