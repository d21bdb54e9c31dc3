// The library's entries in the host's interface dictionary, filled when the library is loaded
// and withdrawn when it is unloaded. Besides these, only the commands created by name are
// registered at load (ZORGuiUtilitiesCommands.cpp).

#include <vector>

#include "IClassFactory.h"
#include "TIEIClassFactoryClassObjectZORWENMultiSelManager.h"
#include "ZORGuiAxisLine3DGeoVisuExt.h"
#include "ZORI3DGeoVisu.h"
#include "ZORIInterrupt.h"
#include "ZORIWENFrameDirection.h"
#include "ZORIWENMultiSelManager.h"
#include "ZORIWENUIFactory.h"
#include "ZORInterfaceDictionary.h"
#include "ZORWENMultiSelManager.h"
#include "ZORWENUIFactoryExt.h"
#include "ZORWENUIFrameDirectionExt.h"
#include "ZORWENUIInterruptExt.h"
#include "ZORWENUIObjectExtAgent.h"

namespace {

std::vector<ZORDictionaryEntry> LibraryEntries() {
  return {
      // The component answers its interface itself: the entry is for the record.
      {"ZORWENMultiSelManager", "ZORIWENMultiSelManager", IID_ZORIWENMultiSelManager, "", nullptr},
      // The class object is a factory through its tie.
      {"ClassObjectZORWENMultiSelManager", "IClassFactory", IID_IClassFactory,
       "ClassObjectZORWENMultiSelManager",
       &ZORExtensionCreator<TIEIClassFactoryClassObjectZORWENMultiSelManager>},
      // The feature container's command factory.
      {"ZORWENUIFactoryExt", "ZORIWENUIFactory", ZORIWENUIFactory::ClassIID(), "ZORFeatCont",
       &ZORExtensionCreator<ZORWENUIFactoryExt>},
      // The direction frame a direction feature makes and keeps.
      {"ZORWENUIFrameDirectionExt", "ZORIWENFrameDirection", ZORIWENFrameDirection::ClassIID(),
       "WENDirection", &ZORExtensionCreator<ZORWENUIFrameDirectionExt>},
      // The update interruption of the features that join or heal elements.
      {"ZORWENUIInterruptExt", "ZORIInterrupt", ZORIInterrupt::ClassIID(), "WENAssemble",
       &ZORExtensionCreator<ZORWENUIInterruptExt>},
      {"ZORWENUIInterruptExt", "ZORIInterrupt", ZORIInterrupt::ClassIID(), "WENHealing",
       &ZORExtensionCreator<ZORWENUIInterruptExt>},
      // An object agent is drawn by the bag it builds.
      {"ZORWENUIObjectExtAgent", "ZORI3DGeoVisu", ZORI3DGeoVisu::ClassIID(), "ZORWENUIObjectAgent",
       &ZORExtensionCreator<ZORWENUIObjectExtAgent>},
      // An axis line is drawn as a segment.
      {"ZORGuiAxisLine3DGeoVisuExt", "ZORI3DGeoVisu", ZORI3DGeoVisu::ClassIID(), "WENAxisLine",
       &ZORExtensionCreator<ZORGuiAxisLine3DGeoVisuExt>},
  };
}

struct DictionaryRegistration {
  DictionaryRegistration() {
    // The component is known by its class name from load on, so that the host's object adapter
    // (ZORInstantiateComponent) can create it as well as its class object can.
    ZORWENMultiSelManager::MetaObject();
    for (const ZORDictionaryEntry& entry : LibraryEntries()) ZORFillDictionary(entry);
  }
  ~DictionaryRegistration() {
    for (const ZORDictionaryEntry& entry : LibraryEntries()) {
      ZORRemoveFromDictionary(entry.implementation);
    }
  }
};

const DictionaryRegistration registration;

}  // namespace
