#pragma once
//! \file ZORListPtrZORGuiCheckError.h
//! The list of check errors a ZORGuiChecksError gathers: 1-based, one reference per entry, so
//! an entry lives as long as some list or caller holds it.

#include "ZORListVal.h"
#include "ZORVar.h"

class ZORGuiCheckError;

//! Check errors, each held by one reference of the list.
using ZORListPtrZORGuiCheckError = ZORListVal<ZORVar<ZORGuiCheckError>>;
