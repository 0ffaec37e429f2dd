// The boxes that open beside the page (方法对比, 练习, 班级汇总, 关于) are
// not modal, so the browser neither closes them on Escape nor gives the
// focus back when they close. A keyboard alone must do both: Escape closes
// the box the focus is in (or was last in, when the button it pressed went
// grey and took the focus with it), and a box closing gives the focus back
// to where it was on the page before it went into the box.
export function keyboardBoxes(doc: Document): void {
  let onPage: HTMLElement | null = null;
  let lastBox: HTMLDialogElement | null = null;
  doc.addEventListener('focusin', (e) => {
    const target = e.target as HTMLElement;
    lastBox = target.closest('dialog');
    if (!lastBox) onPage = target;
  });
  doc.addEventListener('keydown', (e) => {
    if (e.key !== 'Escape' || e.defaultPrevented) return;
    const at = doc.activeElement as HTMLElement | null;
    const box = !at || at === doc.body ? lastBox : at.closest<HTMLDialogElement>('dialog');
    if (!box?.open || box.matches(':modal')) return;
    e.preventDefault();
    box.close();
  });
  for (const box of doc.querySelectorAll('dialog')) {
    box.addEventListener('close', () => {
      const at = doc.activeElement;
      if (at && at !== doc.body && !box.contains(at)) return;
      if (onPage?.isConnected) onPage.focus();
    });
  }
}
