// What one call of the units service knows: the application context read at
// its start, the unit settings of the module that context names, and the
// working drawing. Made afresh for every call, so the service follows the
// settings and the drawing at once.
#pragma once

#include "environment/app_context.h"
#include "units/unit_codes.h"

class PnDbDatabase;
struct RUNITS;
struct SUNITS;
struct XUNITS;

class KovtUnitsCallContext {
 public:
  // Reads the context and fetches the job settings of its module (created
  // on first use for the drawing, as the access points do).
  KovtUnitsCallContext();

  KOVTCONTEXT_TYPE Context() const { return m_context; }
  // Reinforcement and bar shapes share the reinforcement settings.
  bool IsReinforcement() const;
  bool IsSteel() const { return m_context == KOVT_CONTEXT_STEEL; }
  bool IsFormwork() const { return m_context == KOVT_CONTEXT_FORMWORK; }

  // The active module's units; null in other contexts and while the drawing
  // has no settings of that module.
  const RUNITS* Reinforcement() const { return m_reinforcement; }
  const SUNITS* Steel() const { return m_steel; }
  const XUNITS* Formwork() const { return m_formwork; }

  // Nonzero when the work is metric, respectively the element descriptions.
  int WorkMetric() const;
  int DescMetric() const;

  // The code of the work unit's length unit.
  int WorkLengthCode() const;
  // The code of the work unit in `quantity` (length, surface or volume).
  int WorkCode(KovtUnit::Quantity quantity) const;

  // The working drawing's LUNITS and LUPREC (the host's defaults without one).
  int DrawingLinearUnits() const;
  int DrawingPrecision() const;

 private:
  KOVTCONTEXT_TYPE m_context;
  PnDbDatabase* m_drawing = nullptr;
  const RUNITS* m_reinforcement = nullptr;
  const SUNITS* m_steel = nullptr;
  const XUNITS* m_formwork = nullptr;
};
