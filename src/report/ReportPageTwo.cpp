#include "report/ReportPageTwo.h"

#include "report/ReportFrame.h"
#include "report/ReportProducts.h"

namespace {

constexpr int firstProductStep = 6;
constexpr int stepsPerProduct = 6; // the heading and five detail items
constexpr int footerStep = 30;

} // namespace

void DrawPageTwoStep(ReportRows& rows, const ReportContent& content, int step,
                     ReportPageControl& control) {
    if (step >= firstProductStep && step < footerStep) {
        const int slot = 1 + (step - firstProductStep) / stepsPerProduct;
        const int item = (step - firstProductStep) % stepsPerProduct;
        const TProductSlot& product = content.image.products[slot];
        if (item != 0) {
            DrawProductDetail(rows, product, item);
        } else if (ProductInUse(product)) {
            DrawLaterProductHeading(rows, product);
            rows.n += 2;
        }
    } else if (step == footerStep) {
        DrawFooter(rows, 2, control.pageCount);
        rows.n += 1;
    } else if (step == PageTwoLastStep) {
        control.morePages = false;
    } else if (step != 52) {
        rows.n += 1; // step 5 and the empty steps 31 to 51
    }
}
