#pragma once
// The product rows of the printed report: the heading of a product and its five detail items.

#include "job/JobImage.h"
#include "report/ReportRows.h"

// A slot is in use when its product load is above 0.
bool ProductInUse(const TProductSlot& product);

// Page 1's heading of product 1, with the estimated-quantity marker; leaves F10 in force.
void DrawFirstProductHeading(ReportRows& rows, const TProductSlot& product);
// Page 2's heading of products 2 to 5, one row down; leaves F10 in force.
void DrawLaterProductHeading(ReportRows& rows, const TProductSlot& product);

// Detail item 1 to 5 of a product; items 1 to 3 are printed even for a slot not in use.
void DrawProductDetail(ReportRows& rows, const TProductSlot& product, int item);
