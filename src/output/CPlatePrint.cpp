#include "CPlatePrint.h"

#include "CEngraverDevice.h"
#include "IPrintTarget.h"

#include "document/CPlateRenderer.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"

CPlatePrint::Binder CPlatePrint::BindDocument(CVeldraDoc& doc)
{
    return [&doc](int resolution, int pageWidth, int pageHeight) { doc.SetDevice(resolution, pageWidth, pageHeight); };
}

bool CPlatePrint::Print(CVeldraDoc& doc, const CEngraverDevice& device, const Binder& bind, IPrintTarget& target)
{
    bind(device.Resolution(), device.PageWidth() * 10, device.PageHeight() * 10);
    CDibImage plate;
    const CSize size = doc.GetDeviceSize();
    if (!plate.Create(size.cx, size.cy, 24))
        return false;
    CPlateRenderer(doc).RenderPlate(plate, CPlateRenderer::output);
    return target.PrintPage(plate, doc.PrintOffset());
}
