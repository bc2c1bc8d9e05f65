// "isp.dat", the e-mail providers' access fields: any file is read into the provider list, and a
// provider's fields are looked up as the sending code does.
#include "FuzzWorld.h"
#include "foundation/IspFile.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    w.WriteFile(kIspFileName, data, size);
    ReadIspFile(w.f);
    for (const auto& isp : w.f.gIspList)
        for (int element = 0; element <= kIspFieldCount + 1; ++element) GetISPElement(w.f, isp.Name, element);
    return 0;
}
