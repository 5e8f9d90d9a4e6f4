// Served, the site keeps working with no network and installs as an app: sw.js keeps every file
// of one version. When a new version takes over (the next time the site is opened after it
// changed), the open page goes on with the version it loaded, and `updated` is told so that it
// can offer a reload.

export function keepOffline(updated) {
  if (!("serviceWorker" in navigator) || !/^https?:$/.test(location.protocol)) {
    return;
  }
  const hadController = navigator.serviceWorker.controller !== null;
  navigator.serviceWorker.addEventListener("controllerchange", () => {
    if (hadController) {
      updated();
    }
  });
  navigator.serviceWorker.register("sw.js").catch((error) => {
    console.warn("The page will not work offline:", error);
  });
}
