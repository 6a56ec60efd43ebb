#include "model/Product.h"

#include "contracts/Policy.h"

Product Product::Current() {
    return Product{GetProductList(), GetProductType()};
}
