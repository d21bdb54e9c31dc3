#pragma once
//! \class ZORWENUIObjectExtAgent
//! The 3D visualization of an object agent (ZORWENUIObjectAgent), so that an agent can be shown
//! like any visible object: its representation is the bag the agent builds itself, which also
//! ties the agent's manipulator to it. Registered for the class "ZORWENUIObjectAgent".

#include "ZORExtIVisu.h"

class ZORWENUIObjectExtAgent : public ZORExtIVisu {
  ZOR_DECLARE_CLASS(ZORWENUIObjectExtAgent, ZORExtIVisu, ZORMetaObject::DataExtension, "WENUI")

  //! Made by the interface dictionary for an object agent.
  ZORWENUIObjectExtAgent() = default;

  //! The agent's BuildSpec3DBagRep; null when the extended object is no object agent.
  ZOR3DRep_var BuildRep() override;
};
