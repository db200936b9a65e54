#pragma once
// PRODUCT.DAT and the working parts of the "Product Selection" dialog (TProductDialog and its
// pages), without the widgets: finding a job's products in the table, the list rows, the
// information lines, "&Estimate Lbs" and storing a page into its slot on OK. The table is read
// in the order of the tag "PRODUCT" (by name).

#include "calc/UnitConversion.h"
#include "job/JobImage.h"
#include "tables/Table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int ProductNameWidth = 32;
inline constexpr const char* ProductTagName = "PRODUCT";

#pragma pack(push, 1)
// One page of the dialog: laid out exactly like the last 32 bytes of a product slot.
struct TProductPage {
    int32_t enteringTemp;
    int32_t quantity;
    int32_t pulldownHours;
    double respFactor;
    int32_t respWeight;
    int32_t listIndex;
    int32_t recordNo;
};
#pragma pack(pop)
static_assert(sizeof(TProductPage) == 32);
static_assert(sizeof(TProductSlot) - offsetof(TProductSlot, enteringTemp) == 32);

TProductPage PageOfSlot(const TProductSlot& slot);
void StorePageInSlot(TProductSlot& slot, const TProductPage& page);

// Finds the slot's product by name and sets its recordNo and listIndex; adds the product to the
// table first when the table lacks it. When even then it cannot be found (the table could not
// be written), the slot points at the first record of the name order (0 when the table is
// empty).
void LocateProductSlot(Table& product, TProductSlot& slot);

// Adds a record built from the slot, named by `key` whose first letter is upper-cased (the
// caller seeks with the changed key). Returns false when the record breaks a rule of the table's
// fields (FieldRules: a name too short, a negative heat, packaging heavier than the package ...)
// or the table refused it; a factor too large for its field refuses the whole record rather than
// store a different number.
bool AppendProductFromSlot(Table& product, const TProductSlot& slot, std::string& key);

// Copies the current record into the slot (category excepted) and sets productWeight by the
// calculation mode from the slot's quantity.
void ReadProductRecord(const Table& product, TProductSlot& slot);

// OK, for one page: the page goes into the slot; the record of its recordNo is read into the
// slot; a record number the table does not have, or a product named "None", empties the slot.
void CommitProductPage(Table& product, TProductSlot& slot, const TProductPage& page);

// "Product &List": every record's PRODUCT text (32 characters) in name order.
struct ProductListRow {
    std::string name;
    int32_t recordNo;
};
std::vector<ProductListRow> ProductListRows(Table& product);

// The information lines shown under the list for a record.
struct ProductInformation {
    std::string packageType; // "%25s"
    std::string packageSize; // "%28s"
    std::string suggested;   // "Suggested: Temp: %7s  RH:%-7s Life: %16s"
    std::string factors;     // "Factors: %5.2f spa  %5.2f spb %3i latent %5.1f FrzPoint"
    std::string respiration; // "Suggest %5.2f for Storage" or "No resp/fact this Product"
    bool respirationEnabled; // false: both respiration fields show "0" and are disabled
    bool countsPackages;     // modes 2 and 3: the quantity is a number of packages, not pounds
};
// In SI the storage temperature, the factors and the suggested respiration carry SI units: a
// storage temperature that is a number or a range "a-b" of numbers is shown in C, any other text
// as it stands; a package size that names pounds names kg (the unit the quantity is typed in).
ProductInformation ReadProductInformation(Table& product, int32_t recordNo,
                                          UnitSystem units = UnitSystem::Imperial);

// "&Estimate Lbs" of page 1: the estimate for the record's mode from `productCapacity` (0 when
// it would divide by zero or by a negative package weight). When it equals the quantity now
// shown the mark becomes a blank and the field is emptied; otherwise the mark becomes '*' and
// the field shows the estimate.
struct EstimateOutcome {
    std::string quantityText;
    char estimateMark;
};
EstimateOutcome EstimateLbs(Table& product, int32_t recordNo, std::string_view quantityText,
                            int32_t productCapacity);
