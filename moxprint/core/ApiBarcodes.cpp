// Exported functions of the Bar codes family: accepted for compatibility, with no effect. No
// object is made and every getter returns 0.
#include "moxprint.h"

namespace {

int32_t NoBarcodeValue(HMOXDOC) { return 0; }

}  // namespace

extern "C" {

void MoxBarcode(HMOXDOC, int32_t, int32_t, int32_t, int32_t, const char*) {}
void MoxSetBarcodeParms(HMOXDOC, int32_t, int32_t) {}
void MoxSetBarcodeAlignment(HMOXDOC, int32_t) {}
void MoxSetBarcodeMainTextParms(HMOXDOC, int32_t, int32_t) {}
void MoxSetBarcodeAddTextParms(HMOXDOC, int32_t, int32_t) {}
void MoxSetBarcodeAutoChecksum(HMOXDOC, int32_t) {}
void MoxSetBarcodeThinBar(HMOXDOC, int32_t) {}
void MoxSetBarcodeThickBar(HMOXDOC, int32_t) {}

int32_t MoxGetBarcodeMainTextParms(HMOXDOC doc) { return NoBarcodeValue(doc); }
int32_t MoxGetBarcodeAddTextParms(HMOXDOC doc) { return NoBarcodeValue(doc); }
int32_t MoxGetBarcodeAlignment(HMOXDOC doc) { return NoBarcodeValue(doc); }
int32_t MoxGetBarcodeAutoChecksum(HMOXDOC doc) { return NoBarcodeValue(doc); }
int32_t MoxGetBarcodeThinBar(HMOXDOC doc) { return NoBarcodeValue(doc); }
int32_t MoxGetBarcodeThickBar(HMOXDOC doc) { return NoBarcodeValue(doc); }

}  // extern "C"
