// The application context: which application of the family is current.
//
// An application enters its context for a drawing with a scoped KOVTContext;
// nested contexts form a stack per drawing, and the top of that stack decides
// which root dictionary, job settings, units and configuration the module
// uses. Units keep a stack of their own (KovtUnitContext) that falls back to
// the drawing's context when nothing is pushed on it.
//
// Every stack is process-wide and unlocked: use them on the host's main thread.
#pragma once

class PnDbDatabase;

enum KOVTCONTEXT_TYPE : int {
  KOVT_CONTEXT_REINFORCEMENT = 0,
  KOVT_CONTEXT_STEEL,
  KOVT_CONTEXT_COMMON,
  KOVT_CONTEXT_NONE,
  KOVT_CONTEXT_FORMWORK,
  KOVT_CONTEXT_BARSHAPES,
};

class KOVTContext {
 public:
  // Enters `type` for the drawing until destroyed. A null drawing stands for
  // the working database at each use: the push, GetContext and the pop.
  explicit KOVTContext(KOVTCONTEXT_TYPE type, PnDbDatabase* database = nullptr);
  // Only remembers the drawing, for GetContext.
  explicit KOVTContext(PnDbDatabase* database = nullptr);
  // Leaves the context this object entered.
  virtual ~KOVTContext();
  // Each pushing object pops exactly once.
  KOVTContext(const KOVTContext&) = delete;
  KOVTContext& operator=(const KOVTContext&) = delete;

  // The innermost context entered for the drawing. With none entered:
  // reinforcement inside the host, bar shapes outside it.
  KOVTCONTEXT_TYPE GetContext() const;

  // Forgets the stacks of every drawing; contexts still alive then pop nothing.
  static void Clear();

 private:
  bool m_pushed = false;
  PnDbDatabase* m_database = nullptr;
};

class KovtUnitContext {
 public:
  // Enters `type` for unit questions until destroyed.
  explicit KovtUnitContext(KOVTCONTEXT_TYPE type);
  KovtUnitContext() = default;
  virtual ~KovtUnitContext();
  KovtUnitContext(const KovtUnitContext&) = delete;
  KovtUnitContext& operator=(const KovtUnitContext&) = delete;

  // The innermost unit context, else the working drawing's context.
  static KOVTCONTEXT_TYPE GetContext();

 private:
  bool m_pushed = false;
};
